// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// Resource identifiers shared by the .rc file and the code.
#pragma once

// Explorer shows the icon group with the lowest number as the program's icon.
#define VOICE_TYPES_ICON_ID 1
