#include "framework/Runtime.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QScreen>
#include <QStyleFactory>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <random>
#include <typeindex>
#include <unordered_map>

#include "framework/Application.h"
#include "framework/Controls.h"
#include "framework/FileType.h"
#include "framework/Menu.h"
#include "framework/Testing.h"
#include "framework/Window.h"
#include "framework/qt/AppFilter.h"
#include "framework/qt/Dispatch.h"
#include "framework/qt/RuntimeState.h"
#include "framework/qt/TextConversion.h"
#include "framework/qt/WindowRegistry.h"

namespace fw {
namespace {

struct ClassTable {
  std::string name;
  std::function<std::shared_ptr<Object>()> factory;
};

struct Runtime {
  std::shared_ptr<Application> app;
  std::unordered_map<std::type_index, ClassTable> classes;
  bool quitRequested = false;
  std::exception_ptr pending;
  int depth = 0;
  int unhandledReports = 0;
  std::unique_ptr<QApplication> ownApp;  // the Qt application RuntimeInit made, if it made one
  String shortVersion;

  // Seams
  std::function<void(const std::string&)> traceSink;
  std::function<void(const String&)> presenter;
  std::function<void(const String&)> urlOpener;
  int screenWidth = 0, screenHeight = 0;
  std::mt19937_64 generator{std::random_device{}()};
  std::function<double()> rndSource;
  std::string resourcePath;
  std::function<void(const Sound&)> soundObserver;
  std::vector<std::function<void()>> loopStartActions;

  // A process that ends without RuntimeExit leaves Qt's application to the
  // system: Qt's own globals may be gone by the time this runs.
  ~Runtime() { (void)ownApp.release(); }
};

Runtime& R() {
  static Runtime runtime;
  return runtime;
}

bool HasDisplay() {
  return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsSet("DISPLAY") ||
         qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

// Qt aborts when it cannot open its platform; say why instead, whether no
// display is named or the one named cannot be reached.
[[noreturn]] void NoDisplay() {
  std::fputs(
      "Korvane needs a graphical display, and none could be opened (check DISPLAY, "
      "WAYLAND_DISPLAY and QT_QPA_PLATFORM).\nStart it from a desktop session.\n",
      stderr);
  std::fflush(stderr);
  // Qt is half made: leave without running its destructors.
  std::_Exit(1);
}

// While Qt opens its platform, a fatal message can only mean that it could not.
QtMessageHandler beforeOpening = nullptr;

void OpeningPlatformMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtFatalMsg) NoDisplay();
  if (beforeOpening) {
    beforeOpening(type, context, message);
  } else {
    std::fputs(qPrintable(qFormatLogMessage(type, context, message) + QLatin1Char('\n')), stderr);
  }
}

void StoreException(std::exception_ptr e) {
  if (!R().pending) R().pending = std::move(e);
  QCoreApplication::exit(1);
}

bool CalledFromEventDispatch() {
  return R().depth == 0 && QThread::currentThread()->loopLevel() > 0;
}

// Qt shows a floating (tool) window by raising it, which a platform without
// a screen cannot do and reports at every such show; there is no stacking
// to lose there, so that report is dropped and every other message passes.
QtMessageHandler passOn = nullptr;

void HeadlessMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtWarningMsg && message == QLatin1String("This plugin does not support raise()")) return;
  if (passOn) {
    passOn(type, context, message);
  } else {
    std::fputs(qPrintable(qFormatLogMessage(type, context, message) + QLatin1Char('\n')), stderr);
  }
}

void QuietenHeadlessRaise() {
  static bool installed = false;
  if (installed || !detail::Headless()) return;
  installed = true;
  passOn = qInstallMessageHandler(HeadlessMessages);
}

struct DepthScope {
  DepthScope() { ++R().depth; }
  ~DepthScope() {
    // What controls held back while program code ran reaches them as it ends.
    if (--R().depth == 0) detail::SettleControls();
  }
};

}  // namespace

namespace detail {

bool Headless() {
  const QString platform = QGuiApplication::platformName();
  return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}

bool Tracing() { return static_cast<bool>(R().traceSink); }

void Trace(const std::string& step) {
  if (R().traceSink) R().traceSink(step);
}

void CallHandler(const std::function<void()>& handler) {
  if (!CalledFromEventDispatch()) {
    DepthScope scope;
    handler();
    return;
  }
  DepthScope scope;
  try {
    handler();
  } catch (...) {
    StoreException(std::current_exception());
  }
}

bool CallBoolHandler(const std::function<bool()>& handler) {
  bool result = false;
  CallHandler([&] { result = handler(); });
  return result;
}

ModalScope::ModalScope() : savedDepth_(R().depth) {
  SettleControls();  // the modal loop may paint them
  R().depth = 0;
}

bool InHandler() { return R().depth > 0; }

std::unique_ptr<QMessageBox> NewMessageBox(const String& message) {
  // Titled by the application's name, not by the executable's ("korvane").
  return std::make_unique<QMessageBox>(QMessageBox::NoIcon, QStringLiteral("Korvane"), ToDisplayText(message),
                                       QMessageBox::Ok);
}
ModalScope::~ModalScope() { R().depth = savedDepth_; }

std::string ResourceFilePathOverride() { return R().resourcePath; }

void NotifySoundPlayed(const Sound& sound) {
  if (R().soundObserver) R().soundObserver(sound);
}

void RegisterClassTable(const char* name, const std::type_info& type,
                        std::function<std::shared_ptr<Object>()> factory) {
  R().classes[std::type_index(type)] = ClassTable{name, std::move(factory)};
  Trace(std::string("class ") + name);
}

std::string_view RegisteredClassName(const std::type_info& type) {
  auto it = R().classes.find(std::type_index(type));
  return it == R().classes.end() ? std::string_view() : std::string_view(it->second.name);
}

std::shared_ptr<Object> NewObjectOf(const std::type_info& type) {
  auto it = R().classes.find(std::type_index(type));
  if (it == R().classes.end()) return nullptr;
  return it->second.factory();
}

}  // namespace detail

void RuntimeInit() {
  detail::Trace("RuntimeInit");
  if (!QApplication::instance()) {
    if (!HasDisplay()) NoDisplay();
    // Qt is handed the program's name only: the program takes no command line.
    static int argc = 1;
    static char name[] = "korvane";
    static char* argv[] = {name, nullptr};
    beforeOpening = qInstallMessageHandler(OpeningPlatformMessages);
    R().ownApp = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(beforeOpening);
  }
  QApplication::setStyle(QStyleFactory::create("Fusion"));
  QApplication::setQuitOnLastWindowClosed(false);
  QuietenHeadlessRaise();
  detail::InstallEventFilter();
}

int RuntimeExit() {
  detail::Trace("RuntimeExit");
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  int status = R().unhandledReports > 0 ? 1 : 0;
  R().ownApp.reset();
  return status;
}

void RuntimeInitFrameworkClasses() {
  // The framework's own classes, parents first; the window list follows the
  // Window class at once.
  detail::Trace("class Object");
  detail::Trace("class Application");
  RegisterClass<MenuItem>("MenuItem");
  RegisterClass<MenuBar>("MenuBar");
  RegisterClass<QuitMenuItem>("QuitMenuItem");
  RegisterClass<AppleMenuItem>("AppleMenuItem");
  detail::Trace("class Window");
  detail::CreateWindowLists();
  detail::Trace("create Windows");
  RegisterClass<EditField>("EditField");
  RegisterClass<Listbox>("Listbox");
  RegisterClass<PushButton>("PushButton");
  RegisterClass<StaticText>("StaticText");
  RegisterClass<RoundRectangle>("RoundRectangle");
  RegisterClass<Canvas>("Canvas");
  RegisterClass<Separator>("Separator");
  RegisterClass<FileType>("FileType");
}

void RuntimeInitExternalClasses() { detail::Trace("RuntimeInitExternalClasses"); }

void RuntimeRegisterAppObject(std::shared_ptr<Application> app) {
  detail::Trace("RuntimeRegisterAppObject");
  R().app = std::move(app);
}

std::shared_ptr<Application> GetAppObject() { return R().app; }

void RuntimeRun() {
  detail::Trace("RuntimeRun");
  if (R().pending) std::rethrow_exception(std::exchange(R().pending, nullptr));
  if (R().quitRequested) return;

  QTimer::singleShot(0, qApp, [] {
    if (auto app = R().app) detail::CallHandler([&app] { app->Event_Open(); });
    for (auto& action : std::exchange(R().loopStartActions, {})) detail::CallHandler(action);
  });
  QApplication::exec();
  detail::Trace("RuntimeRun returns");
  if (R().pending) std::rethrow_exception(std::exchange(R().pending, nullptr));
}

void UnhandledException(std::exception_ptr e) {
  ++R().unhandledReports;
  std::string className = ExceptionClassName(e);
  std::string detail;
  try {
    if (e) std::rethrow_exception(e);
  } catch (const std::exception& x) {
    detail = x.what();
  } catch (...) {
  }
  detail::Trace("UnhandledException " + className);
  std::string text = "An exception of class " + className + " was not handled.";
  if (!detail.empty()) text += "\n" + detail;
  if (!detail::Headless()) std::cerr << text << std::endl;  // a headless MsgBox writes it there itself
  MsgBox(String(text));
}

void Quit(int code) {
  detail::Trace("Quit");
  R().quitRequested = true;
  QCoreApplication::exit(code);
}

void RuntimeBackgroundTask() {
  // The framework's own pending work only (windows waiting to reach the
  // screen): user input waits until the handler returns, so no handler can
  // run in the middle of another.
  detail::SyncPendingWindows();
}

void MsgBox(const String& message) {
  detail::Trace("MsgBox " + message.Bytes());
  if (R().presenter) {
    R().presenter(message);
    return;
  }
  // A platform without a visible screen cannot show a modal box: it would
  // wait forever for a click nobody can make.
  if (detail::Headless()) {
    std::cerr << message.Bytes() << std::endl;
    return;
  }
  detail::ModalScope modal;
  detail::NewMessageBox(message)->exec();
}

void ShowURL(const String& url) {
  detail::Trace("ShowURL " + url.Bytes());
  if (R().urlOpener) {
    R().urlOpener(url);
    return;
  }
  QDesktopServices::openUrl(QUrl(detail::ToQString(url)));
}

std::shared_ptr<ScreenInfo> Screen(int index) {
  auto info = std::make_shared<ScreenInfo>();
  if (index == 0 && R().screenWidth > 0) {
    info->width = R().screenWidth;
    info->height = R().screenHeight;
    return info;
  }
  const auto screens = QGuiApplication::screens();
  if (index < 0 || index >= screens.size()) return nullptr;
  QScreen* screen = index == 0 ? QGuiApplication::primaryScreen() : screens[index];
  if (!screen) return nullptr;
  info->width = screen->geometry().width();
  info->height = screen->geometry().height();
  return info;
}

double Rnd() {
  if (R().rndSource) return R().rndSource();
  return std::uniform_real_distribution<double>(0.0, 1.0)(R().generator);
}

String ShortVersion() { return R().shortVersion; }

void SetPackageShortVersion(const String& version) { R().shortVersion = version; }

namespace testing {

void SetTraceSink(std::function<void(const std::string&)> sink) { R().traceSink = std::move(sink); }
void SetMessagePresenter(std::function<void(const String&)> p) { R().presenter = std::move(p); }
void SetUrlOpener(std::function<void(const String&)> opener) { R().urlOpener = std::move(opener); }
void SetScreenSize(int width, int height) {
  R().screenWidth = width;
  R().screenHeight = height;
}
void SeedRnd(std::uint64_t seed) {
  R().rndSource = nullptr;
  R().generator.seed(seed);
}
void SetRndSource(std::function<double()> source) { R().rndSource = std::move(source); }
void SetResourceFilePath(const std::string& path) { R().resourcePath = path; }
void SetSoundObserver(std::function<void(const Sound&)> o) { R().soundObserver = std::move(o); }
void OnEventLoopStart(std::function<void()> action) {
  R().loopStartActions.push_back(std::move(action));
}

void ProcessEvents() {
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

void ResetRuntime() {
  Runtime& r = R();
  r.app.reset();
  r.quitRequested = false;
  r.pending = nullptr;
  r.depth = 0;
  r.unhandledReports = 0;
  r.traceSink = nullptr;
  r.presenter = nullptr;
  r.urlOpener = nullptr;
  r.screenWidth = r.screenHeight = 0;
  r.rndSource = nullptr;
  r.resourcePath.clear();
  r.soundObserver = nullptr;
  r.loopStartActions.clear();
  detail::ForgetWindows();
  ProcessEvents();
}

int UnhandledExceptionReports() { return R().unhandledReports; }
bool QuitRequested() { return R().quitRequested; }

}  // namespace testing
}  // namespace fw
