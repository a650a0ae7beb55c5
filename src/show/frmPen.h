#pragma once
// The pen overlay: a frozen picture of the screen to draw on, with a small toolbar of colours,
// widths and a Back button that hides itself like the show bar.
#include <memory>
#include <optional>

#include "host/Controls.h"
#include "host/Form.h"
#include "host/Handles.h"
#include "host/ZelButtonOXP.h"
#include "show/PenCursor.h"
#include "show/PenLogic.h"
#include "show/PenSurface.h"

class frmPen : public host::Form {
public:
    frmPen();
    ~frmPen() override;

    // Fields of the window
    int PenColor = pen::DefaultColor;
    int PenWidth = pen::DefaultWidth;
    // The toolbar's auto-hide: 1 in view, 0 out of view.
    int ToolbarShown = 0;
    int PenDown() const { return stroke_.PenDown; }

    // Controls
    std::unique_ptr<host::Image> Image1;
    std::unique_ptr<host::PictureBox> Picture1;
    host::ControlArray<host::Label> Col;
    host::ControlArray<host::Label> LDraw;
    host::ControlArray<ZelButtonOXP> cmd;
    host::Timer Timer1;

    void cmd_Click(int index);
    void Col_Click(int index);
    void LDraw_Click(int index);
    void Image1_MouseDown(int button, int shift, double x, double y);
    void Image1_MouseMove(int button, int shift, double x, double y);
    void Image1_MouseUp(int button, int shift, double x, double y);

    // What the overlay shows, in window pixels; for tests.
    const PenSurface* Surface() const { return surface_.get(); }

protected:
    void Form_Load() override;
    void Form_Unload() override;

private:
    void Timer1_Timer();
    void DrawSegment(const pen::Segment& segment);
    void CreateControls();
    void LayOut();

    pen::Stroke stroke_;
    std::unique_ptr<PenSurface> surface_;
    UniqueCursor cursor_;
};
