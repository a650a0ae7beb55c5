#pragma once
// Called once at start-up: sets shared.PresenterExe and shared.ShowCommand from the registry,
// or tells the user that the presentation program is missing.
void LocatePresenter();
