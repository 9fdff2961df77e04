#pragma once
// The pet window's life: start, creation, first activation, the close button, the end.

namespace tibbo {

// The program's entry: starts the host, loads the pet window and hands over to the
// scheduler on its first activation. Returns only when the host cannot start.
int programStart();
// The same with another first-activated handler (for benchmarks).
int programStart(void (*firstActivated)());

void onPetWindowCreated();
void onPetWindowFirstActivated();
void onPetWindowWillBeDestroyed();
void onCloseButtonClicked();
// The exit routine: releases the folder texts.
void releaseFolderTexts();

// Lets the cat's behaviour work on the loaded pet window. Benchmarks that start the
// scheduler their own way call it before `runAction`.
void attachBehaviourToPetWindow();

}  // namespace tibbo
