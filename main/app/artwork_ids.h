#ifndef QB_MAIN_APP_ARTWORK_IDS_H
#define QB_MAIN_APP_ARTWORK_IDS_H
// Resource identifiers of the main edition's artwork (Quillborne.rc); plain macros for windres.
#define kProgramIcon 1
#define kBackgroundBitmap 101
#define kScanBitmap 102
#endif
