#pragma once
// The saver window's full-screen cursor: every pixel transparent.
#define IDC_BLANK_CURSOR 141
