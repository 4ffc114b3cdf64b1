#pragma once

// Starts the player from the folder it recorded (player_launcher.h). Nothing
// checks whether it already runs: the player keeps to one instance itself.
void LaunchPlayer();
