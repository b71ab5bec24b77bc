/* Put in front of Wine's wintab.h (package libwine-dev) so that it stands in for the
 * wintab headers Debian's qtbase source leaves out: mingw-w64 lacks Wine's A/W macros. */
#ifndef DECL_WINELIB_TYPE_AW
#ifdef UNICODE
#define WINELIB_NAME_AW(x) x##W
#else
#define WINELIB_NAME_AW(x) x##A
#endif
#define DECL_WINELIB_TYPE_AW(type) typedef WINELIB_NAME_AW(type) type;
#endif
#ifndef API
#define API WINAPI /* what the original wintab header calls its calling convention */
#endif
