// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "platform/runtimeerror.h"

namespace blinket {

// The errors the settings file can raise, with the numbers the learner is told.
RuntimeError fileNotFound();
RuntimeError inputPastEndOfFile();
RuntimeError invalidPropertyValue();
// The error for a failed open, write or replace, from the system's error code: no right to
// write, no room left, or any other trouble with the path.
RuntimeError fileErrorFor(int systemError);

} // namespace blinket
