#pragma once
// The screen as forms see it: its resolution and its size in twips and pixels.
namespace screen {

int Dpi();                  // logical pixels per inch of the primary screen
int WidthPixels();
int HeightPixels();
double WidthTwips();
double HeightTwips();
int ToPixels(double twipsValue);
double ToTwips(int pixels);

} // namespace screen
