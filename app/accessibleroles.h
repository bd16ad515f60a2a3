#pragma once

// Gives assistive technology the roles Qt cannot guess for the window's own widgets: the
// main window is a frame (a pane when it sits inside the scrolling frame), a preview is a
// picture. Safe to call more than once.
void installAccessibleRoles();
