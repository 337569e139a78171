#include "shell/Main.h"

#include <exception>

#include "browser/Window1.h"
#include "framework/Runtime.h"
#include "framework/Window.h"
#include "quiz/HintWindow.h"
#include "quiz/Module1.h"
#include "quiz/ResultsWindow.h"
#include "quiz/RireradQuiz.h"
#include "shell/AboutBox.h"
#include "shell/AboutWindow.h"
#include "shell/App.h"
#include "shell/FileTypes.h"
#include "shell/Media.h"
#include "shell/Menu.h"

namespace korvane {

int main() {
  fw::RuntimeInit();
  initialize();
  Main();
  finalize();
  return fw::RuntimeExit();
}

void initialize() {
  fw::RuntimeInitFrameworkClasses();
  fw::RegisterClass<Window1>(Window1::kClassName);
  fw::RegisterClass<Menu>("Menu");
  fw::RegisterClass<RireradQuiz>(RireradQuiz::kClassName);
  Module1::CreateArrays();
  fw::RegisterClass<Class1>("Class1");
  fw::RegisterClass<HintWindow>(HintWindow::kClassName);
  fw::RegisterClass<ResultsWindow>(ResultsWindow::kClassName);
  fw::RegisterClass<AboutBox>(AboutBox::kClassName);
  fw::RegisterClass<AboutWindow>(AboutWindow::kClassName);
}

void Main() {
  // One report for whatever escapes start-up or the event loop; shutdown
  // then runs as after a normal quit. An exception from the report itself
  // leaves here.
  try {
    StartUp();
    fw::RuntimeRun();
  } catch (...) {
    fw::UnhandledException(std::current_exception());
  }
}

void StartUp() {
  fw::RuntimeInitExternalClasses();
  fw::InitPluginEntrypoints();
  InitFileTypes();
  NewAppInstance();
  ApplicationAddMenuHandlers();
  MakeDefaultView();
}

void finalize() {
  ReleaseRightSound();
  ReleaseWrongSound();
  ReleaseRireradTitle();
  fw::ReleaseImplicitWindowList();
  fw::ReleaseDirtyWindowList();
  fw::ReleaseWindowList();
  FileTypes::Release();
  Menu::Release();
  Module1::ReleaseArrays();
}

void InitFileTypes() { FileTypes::Initialize(); }

void NewAppInstance() {
  auto app = fw::NewObject<Class1>();
  fw::Need(app);
  app->SetMenuBar(Menu::Instance());
  fw::RuntimeRegisterAppObject(app);
}

void MakeDefaultView() { Window1::Instance(); }

}  // namespace korvane
