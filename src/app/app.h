#pragma once

// The game's side of start-up and shutdown.
int AppInit();
void AppShutdown();
