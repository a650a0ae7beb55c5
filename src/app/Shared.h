#pragma once
// Program-wide values. Windows hand values to each other only through these:
// the caller sets them, then loads the window, which reads them in its load handler.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct Shared {
    static constexpr int TextCount = 100;

    // Texts and options
    std::array<std::wstring, TextCount + 1> LangLine;
    std::array<std::wstring, TextCount + 1> LangCaption;
    std::array<std::wstring, TextCount + 1> LangText;
    std::wstring LangCode;
    std::wstring DataExtension;
    std::wstring FilePattern;
    std::wstring SpecialProgram;
    std::wstring TooltipSwitch;
    std::wstring CaptionPad;

    // Folders and files
    std::wstring ProgramFolder;
    std::wstring CurrentFolder;
    std::wstring StartFolder;
    std::wstring ShowFile;
    std::wstring ShowFileName;
    std::wstring TextEditorPath;
    int FileNo = 0;

    // Presentation program
    std::wstring PresenterExe;
    std::wstring ShowCommand;

    // Processes: task id or shell result of the last start; handle of a picked program
    std::intptr_t LastTaskId = 0;
    std::intptr_t ProcessHandle = 0;

    // Window hand-over
    int HoverIndex = 0;
    int DragX = 0;
    int DragY = 0;
    int VisibleRows = 0;
    int EditorMode = 0;
    int NotesOpen = 0;
    std::wstring NotesShowFile;
    int NotesDirty = 0;
    int BarShown = 0;
    int BarHideLimit = 0;
    int BarButtonCount = 0;
    std::vector<std::wstring> WindowTitles;
    std::vector<std::intptr_t> WindowHandles;
    int PickerOpen = 0;
    int SoundPlaying = 0;
    std::wstring MediaFile;
    std::wstring FlashFile;
    std::wstring AuthorMail;

    // The tooltip switch as the windows test it.
    bool TooltipsOn() const { return TooltipSwitch == L"YES"; }
};

extern Shared shared;
