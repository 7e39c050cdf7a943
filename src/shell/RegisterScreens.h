#pragma once

// Makes every screen of the system reachable by its name (forms::Screen("...")),
// as the scenario runner and screens that reach a later screen by name need.
// Safe to call more than once.
void RegisterScreens();
