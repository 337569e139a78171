// The program's entry, start-up and shutdown.
#pragma once

namespace korvane {

// The program entry: start-up, the event loop, shutdown. Returns the exit
// status.
int main();

void initialize();
void Main();
void finalize();

// The start-up steps before the event loop, in their order.
void StartUp();
// Start-up steps.
void InitFileTypes();
void NewAppInstance();
void MakeDefaultView();

}  // namespace korvane
