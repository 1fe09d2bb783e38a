#pragma once

// Identifiers of the resources compiled into Tarnwick.exe.
#define IDI_APPLICATION_ICON 128
#define IDR_LANGUAGE_PACK 130
#define IDR_PICTURE_WIDE 131
#define IDR_PICTURE_TALL 132
#define IDR_SKIN_SET 150
// The warning chime before the end, of the type "WAVE" that the platform's
// PlaySound looks for.
#define IDR_CHIME 160
