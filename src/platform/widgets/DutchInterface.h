#pragma once
// The user interface is Dutch, the buttons of Qt's own dialogs ("Ja", "Nee", "Annuleren") too.
// Each program calls one of these once, after making its application object.
void useDutchInterface();

// The same, with Qt's own Dutch texts loaded at the first turn of the event loop, or before the first
// box or file dialog when one comes sooner (QtDialogs asks for them): none of them shows in the
// first frame of the program's window, which thereby comes a translation file's read earlier.
void useDutchInterfaceSoon();
// Loads the texts that useDutchInterfaceSoon() left for later, when they are not loaded yet.
void loadDutchQtTexts();
