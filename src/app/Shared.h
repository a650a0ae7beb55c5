#pragma once
// The values windows hand to each other: the caller sets them, then loads the window, which
// reads them in its load handler. Each names who writes it and who reads it; what one window
// alone uses lives in that window.
#include <string>

#include "host/Handles.h"
#include "startup/LangFile.h"

struct Shared {
    // The active language's captions and long texts (1..50): written by the main window from
    // Vistora.Txt; read by every window.
    TextTable LangCaption;
    TextTable LangText;
    // "ENG" or "OWN": the main window; the notes editor picks the guide document by it.
    std::wstring LangCode;
    // Options of Vistora.Txt, written by the main window: the show bar's Special button opens
    // SpecialProgram; every window sets tooltips only when TooltipSwitch is "YES".
    std::wstring SpecialProgram;
    std::wstring TooltipSwitch;
    // Two blanks in front of every button caption: set by the main window, used by all.
    std::wstring CaptionPad;
    // The folder of the program and its files: the main window; the picker lists it, the notes
    // editor finds the guides in it.
    std::wstring ProgramFolder;

    // The chosen presentation, its upper-case file name, and the command line prefix that
    // starts a slide show: written by the main window; the show bar starts and watches the show.
    std::wstring ShowFile;
    std::wstring ShowFileName;
    std::wstring ShowCommand;

    // A program the picker started (a screen saver or an associated program): the show bar
    // ends it on its next click and at its end.
    UniqueKernelHandle ProcessHandle;

    // The command button the pointer last entered: the main window; the show bar and the video
    // player reset it.
    int HoverIndex = 0;

    // The notes editor: the show bar (speaker notes, 2) or the main window (guide, 3) sets the
    // mode and, for notes, the presentation; NotesOpen is set by the bar and cleared by the
    // editor's exit; NotesDirty is set by typing and cleared by a save that succeeded, and
    // whoever closes the editor asks before losing it.
    int EditorMode = 0;
    int NotesOpen = 0;
    std::wstring NotesShowFile;
    bool NotesDirty = false;

    // How far below the top edge the pointer hides a bar: set by the show bar (28) and lowered
    // by the pen overlay (25); the show bar and the video player read it.
    int BarHideLimit = 0;

    // The picker: PickerOpen is set by the show bar and cleared by the picker; SoundPlaying is
    // set by the picker and stops the sound at the bar's end; the picker hands the chosen file
    // to the video player (MediaFile) or the flash player (FlashFile).
    int PickerOpen = 0;
    int SoundPlaying = 0;
    std::wstring MediaFile;
    std::wstring FlashFile;

    // The author's address: the main window; the About box shows it.
    std::wstring AuthorMail;

    // The tooltip switch as the windows test it.
    bool TooltipsOn() const { return TooltipSwitch == L"YES"; }
};

extern Shared shared;
