// This folder comes first on the include path of the core library. Every Qt Widgets
// header includes this one, so a core file that pulls in a widget fails to build.
#error "The core library must not use Qt Widgets; put widget code under src/gui/."
