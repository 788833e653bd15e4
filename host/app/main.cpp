// vantor-panel: the panel host's command line.
#include <CLI/CLI.hpp>
#include <csignal>
#include <filesystem>
#include <iostream>
#include <string>

#include "app/console.h"
#include "app/render_command.h"
#include "app/session.h"
#include "core/module.h"
#include "inspect/record_json.h"
#include "viewer/server.h"

namespace {

int List(const vantor::SessionOptions& options) {
  auto panel = vantor::OpenSession(options);
  for (const auto& [name, module] : panel->modules()) {
    const auto& v = module->file().version;
    std::cout << name << ".gau  " << v.product_name << " " << v.file_version << ", " << module->gauges().size()
              << " gauges\n";
    for (GaugeHeader* g : module->gauges()) std::cout << "  " << g->name << "  (" << g->default_width_mm << " mm)\n";
  }
  std::cout << "Windows of " << panel->config().path << ":\n";
  for (const vantor::PanelWindow& w : panel->windows())
    std::cout << "  " << w.config->id << "  " << w.config->title << "  " << w.config->width << "x"
              << w.config->height << (w.visible ? "  open" : "") << ", " << w.gauges.size() << " gauges\n";
  return 0;
}

// Runs the viewer until SIGINT or SIGTERM. The signals are blocked before
// any thread starts, so every thread inherits the block and only this one
// takes them, with sigwait, outside any signal handler.
int Serve(const vantor::SessionOptions& session, vantor::viewer::ServerOptions options) {
  sigset_t stop;
  sigemptyset(&stop);
  sigaddset(&stop, SIGINT);
  sigaddset(&stop, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &stop, nullptr);
  std::signal(SIGPIPE, SIG_IGN);  // a browser that leaves mid-write is no reason to stop
  const std::string bind = options.bind;
  vantor::viewer::Server server(vantor::OpenSession(session), std::move(options));
  server.Start();
  std::cout << "Vantor panel: " << server.Address() << std::endl;
  if (!vantor::viewer::IsLoopback(bind))
    std::cout << "Listening on " << bind << ": anyone who can reach this machine can use the panel."
              << std::endl;
  int signal = 0;
  sigwait(&stop, &signal);
  std::cout << "Stopping." << std::endl;
  server.Stop();
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"vantor-panel: runs the Vantor gauge modules on a panel"};
  app.require_subcommand(0, 1);
  vantor::SessionOptions session;
  session.modules = vantor::DefaultModuleDir();
  app.add_option("--modules", session.modules, "folder holding the .gau module files")
      ->check(CLI::ExistingDirectory);
  app.add_option("--panel", session.panel, "panel configuration (default: the built-in panel)")
      ->check(CLI::ExistingFile);
  app.add_option("--scenario", session.scenario, "scenario file, or none (default: the built-in flight)");

  auto* list = app.add_subcommand("list", "list the modules, their gauges and the panel's windows");

  auto* dump = app.add_subcommand("dump", "print every record of a module file as JSON");
  std::string dump_file;
  dump->add_option("module", dump_file, "the module file, e.g. Radios.gau")->required();

  auto* render = app.add_subcommand("render", "draw the panel, a window or a gauge into PNG files");
  vantor::RenderRequest request;
  uint32_t window_id = 0;
  render->add_option("-o,--output", request.output, "the PNG file (frames get -0000, -0001, ...)");
  auto* window_opt = render->add_option("--window", window_id, "draw only this window (its ident)");
  render->add_option("--gauge", request.gauge, "draw only this gauge, at its own pixel size")->excludes(window_opt);
  render->add_option("--time", request.time, "the scenario moment, in seconds");
  render->add_option("--set", request.assignments, "VAR=VALUE: a token variable by name or id")->take_all();
  render->add_option("--frames", request.frames, "write this many frames of the scenario playing");
  render->add_option("--fps", request.fps, "frames per scenario second");
  render->add_flag("--night", request.night, "a dark cockpit");
  render->add_flag("--lights", request.lights, "panel lights on (at night)");

  auto* console = app.add_subcommand("console", "the scriptable test bench: JSON commands, one per line");

  auto* serve = app.add_subcommand("serve", "run the panel and show it in a web browser");
  serve->fallthrough();  // --panel, --scenario and --modules may follow the subcommand too
  vantor::viewer::ServerOptions serve_options;
  serve->add_option("--port", serve_options.port, "the port to listen on; 0 takes any free one")
      ->check(CLI::Range(0, 65535))
      ->capture_default_str();
  serve->add_option("--bind", serve_options.bind, "the address to listen on (another than 127.0.0.1 opens the panel to the network)")
      ->capture_default_str();
  serve->add_option("--dpi", serve_options.dpi, "your screen's dots per inch, for the true-size view")
      ->check(CLI::Range(30.0, 1200.0))
      ->capture_default_str();

  CLI11_PARSE(app, argc, argv);
  try {
    if (*dump) {
      // A bare module name is looked up among the built modules.
      std::string path = dump_file;
      if (!std::filesystem::exists(path) && std::filesystem::exists(session.modules + "/" + path))
        path = session.modules + "/" + path;
      std::cout << vantor::DumpModule(*vantor::LoadedModule::Load(path)).dump(2) << "\n";
      return 0;
    }
    if (*render) {
      request.session = session;
      if (*window_opt) request.window = window_id;
      vantor::RunRender(request);
      std::cerr << "wrote " << request.output << (request.frames ? " frames" : "") << "\n";
      return 0;
    }
    if (*console) return vantor::RunConsole(std::cin, std::cout);
    if (*serve) return Serve(session, serve_options);
    (void)list;
    return List(session);
  } catch (const std::exception& e) {
    std::cerr << "vantor-panel: " << e.what() << "\n";
    return 1;
  }
}
