#pragma once
// What each command button of the main window is: its picture, its caption and its hover text.
// Creation, captions, pictures and hover texts all read this table; cmd_Click dispatches on
// the same indices.
#include <array>

// The command buttons by index; Exit stands at each end of the bar.
namespace MainButton {
constexpr int Exit = 0;
constexpr int StartShow = 1;
constexpr int WebOrAbout = 2;
constexpr int OwnLanguage = 3;
constexpr int English = 4;
constexpr int Power = 5;
constexpr int EditTexts = 6;
constexpr int Guide = 7;
constexpr int ExitRight = 8;
constexpr int EditShow = 9;
constexpr int Presenter = 10;
constexpr int Count = 11;
} // namespace MainButton

struct MainButtonDesign {
    int Index;
    int Picture;                           // number in the main window's picture list
    int Caption;                           // LangCaption entry, or 0 for a fixed caption
    int HoverText;                         // LangText entry shown in the status line
    const wchar_t* FixedCaption = nullptr; // the same in every language
};

inline constexpr std::array<MainButtonDesign, MainButton::Count> MainButtons{{
    {MainButton::Exit, 1, 1, 1},
    {MainButton::StartShow, 2, 17, 17},
    {MainButton::WebOrAbout, 3, 6, 6},
    {MainButton::OwnLanguage, 4, 5, 5},
    {MainButton::English, 5, 5, 5},
    {MainButton::Power, 6, 0, 25, L"Power"},
    {MainButton::EditTexts, 7, 3, 3},
    {MainButton::Guide, 8, 4, 4},
    {MainButton::ExitRight, 9, 1, 1},
    {MainButton::EditShow, 10, 18, 18},
    {MainButton::Presenter, 13, 21, 21},
}};

// Button 1 shows this picture once a presentation has been chosen.
constexpr int ChosenShowPicture = 12;
