#include "notes/NotesEditor.h"

#include <memory>

#include "app/Shared.h"
#include "host/MessageLoop.h"
#include "notes/NotesFiles.h"
#include "notes/frmEdit.h"

namespace notes {

namespace {

std::shared_ptr<frmEdit>& Current()
{
    static std::shared_ptr<frmEdit> editor;
    return editor;
}

// The window may be asked to go from inside one of its own handlers: it goes once control is
// back in the outer loop.
void Release()
{
    if (!Current()) return;
    Current()->Unload();
    host::ReleaseLater(std::move(Current()));
}

} // namespace

frmEdit* LoadedEditor() { return Current() && Current()->Loaded() ? Current().get() : nullptr; }

void OpenNotes()
{
    frmEdit* editor = LoadedEditor();
    if (editor && editor->Mode() == 2 && editor->FilePath() == NotesPathFor(shared.NotesShowFile)) {
        editor->Show();
        return;
    }
    if (!CloseEditor()) return;
    Current() = std::make_shared<frmEdit>();
    Current()->Load();
    Current()->Show();
}

bool CloseEditor()
{
    frmEdit* editor = LoadedEditor();
    if (!editor) return true;
    if (!editor->MayLoseTyping()) return false;
    Release();
    return true;
}

void OpenGuide(HWND owner)
{
    if (!CloseEditor()) return;
    shared.EditorMode = 3;
    auto guide = std::make_shared<frmEdit>(owner);
    Current() = guide;
    guide->Load();
    guide->ShowModal();
    if (Current() == guide) Release();
    shared.EditorMode = 0;
}

} // namespace notes
