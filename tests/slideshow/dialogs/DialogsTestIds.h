#pragma once
// The test program's own strings and version, beside the dialogs' templates.
#define IDS_TEST_NOTE 102
#define IDS_OTHER_TEST_NOTE 103
#define IDS_MISSING_NOTE 104
#define TEST_NOTE_TEXT "Previewing starts from clean settings."
#define OTHER_TEST_NOTE_TEXT "A second note, on its own switch."
