// Found before Qt's own header by every logic library: each Qt Widgets
// header includes this one, so a widget header reached by any spelling
// (<QPushButton>, <QtWidgets/QPushButton>, <QtWidgets>) stops the build.
#error "a logic library includes a Qt Widgets header: widgets belong in a window/ library"
