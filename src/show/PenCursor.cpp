#include "show/PenCursor.h"

#include "resources/art/Pictures.h"

UniqueCursor CreatePenCursor()
{
    const CursorArt& cursor = PenCursorArt();
    return MakeCursor(cursor.art, cursor.hotX, cursor.hotY);
}
