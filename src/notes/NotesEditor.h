#pragma once
// The one notes editor of the program, for the windows that open it: the show bar (speaker
// notes, modeless) and the main window (the guide document, modal). Whoever closes the editor
// goes through CloseEditor, so that unsaved typing is never lost without the presenter's answer.
#include <windows.h>

class frmEdit;

namespace notes {

// The editor while it is loaded; nullptr otherwise.
frmEdit* LoadedEditor();

// Shows the speaker notes of shared.NotesShowFile, modeless. An editor that already holds these
// notes shows again as it is, without reading the file again; one that holds other notes or the
// guide is closed first, as CloseEditor does.
void OpenNotes();

// Unloads the editor. With unsaved typing it first asks the question of the editor's own Exit;
// false when the presenter keeps the editor (it then stays as it is). True when there is none.
bool CloseEditor();

// Shows the guide of the current language over owner, modal, and unloads it when it closes.
// Does nothing when an open notes editor is kept (see CloseEditor).
void OpenGuide(HWND owner);

} // namespace notes
