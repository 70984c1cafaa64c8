#pragma once

class QWidget;

namespace ordisan {

// The application's main window. Set once, before it runs; a dialog opened without a
// parent belongs to it unless another dialog is running.
void setMainWindow(QWidget* window);
QWidget* mainWindow();

// The owner of a dialog opened without a parent: the dialog that runs at that moment
// (the top of the modal stack), otherwise the main window; null when there is none.
// A Qt window with a parent has no task-bar entry of its own and stays above it.
QWidget* defaultOwner();

} // namespace ordisan
