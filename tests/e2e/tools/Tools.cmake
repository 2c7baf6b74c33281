# Windows helpers of the end-to-end tests, run under Wine next to the programs.
add_executable(DialogInspect tests/e2e/tools/DialogInspect.cpp)
# The face composed by the portable code on the scripted toolkit, compared with a screenshot.
add_executable(FaceCheck tests/e2e/tools/FaceCheck.cpp)
target_link_libraries(FaceCheck PRIVATE tintgrab_fake)
# Many dialogs and eyedropper runs in one process, counting what is left behind.
add_executable(LeakCheck tests/e2e/tools/LeakCheck.cpp)
target_link_libraries(LeakCheck PRIVATE tintgrab_win32)
# A bare Win32 window, to compare start-up times with.
add_executable(BareWindow WIN32 tests/e2e/tools/BareWindow.cpp)
target_link_options(BareWindow PRIVATE -municode -mwindows)
