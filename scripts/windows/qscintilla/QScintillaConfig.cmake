# The QScintilla DLL as the target QScintilla::qscintilla2_qt6; its users get QSCINTILLA_DLL.
include(CMakeFindDependencyMacro)
find_dependency(Qt6 COMPONENTS Widgets PrintSupport)
include(${CMAKE_CURRENT_LIST_DIR}/QScintillaTargets.cmake)
