#pragma once

// The game's side of start-up and shutdown.
int AppInit();
// Puts every mode's module state back as a fresh process has it. Start-up begins with it, and
// tests that run one after another in a process call it so that none sees another's leftovers.
void ResetGameState();
void AppShutdown();
