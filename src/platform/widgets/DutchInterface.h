#pragma once
// The user interface is Dutch, the buttons of Qt's own dialogs ("Ja", "Nee", "Annuleren") too.
// Each program calls this once, after making its application object.
void useDutchInterface();
