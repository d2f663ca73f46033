#pragma once
// Connects the drawing window to the shape window: "Vakvulling" shows it on the current mark,
// with the shape window's width inputs and the shape window as the window beneath.
class SubVorm;
class TekenForm;

namespace DrawingWindowHooks {
// The drawing window as "Vakvulling" opens it: owned by the shape window's owner (the frame
// window), above the shape window.
TekenForm *openFrom(SubVorm *shapeWindow);
// Makes "Vakvulling" open the drawing window; the program calls this once at start.
void install();
}
