#pragma once
// Called once at start-up: the presentation program's path and the command that starts its
// slide show, from the registry; a registered program that is missing is reported to the user.
#include <string>

void LocatePresenter(std::wstring& presenterExe, std::wstring& showCommand);
