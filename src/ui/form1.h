// The program's one window, Form1, as both front ends build it: the element table, the window
// operations a front end implements, the texts, and the event handlers every click goes to.
#pragma once

#include "texts/texts.h"
#include "ui/elements.h"
#include "ui/event_handlers.h"
#include "ui/window_ops.h"
