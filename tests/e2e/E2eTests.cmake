# Tests of the real programs under Wine (included by the Windows build when tests are on).
#
# - The cross-built unit and requester tests run under tests/support/wine-run (the crosscompiling
#   emulator) in the build's own Wine prefix; they need no display.
# - The end-to-end tests run the real tintgrab.exe and tintgrab-alpha.exe on a virtual X display.
#   One session (Xvfb, the same Wine prefix with a persistent server and desktop) is started by the
#   fixture setup test and stopped by its cleanup test; tests/e2e/lib/e2e.sh has the helpers.
#   Every tests/e2e/*.sh is run once per program, as `script.sh PROGRAM.exe`, with
#   TINTGRAB_ALPHA_MODE set to the program's alpha mode and TINTGRAB_E2E_ENV to the session's
#   environment file. The tests share one display and its clipboard, so they never run at once.

set(TINTGRAB_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set(TINTGRAB_E2E_DIR ${CMAKE_BINARY_DIR}/e2e)

# Tells the tests the client rectangle of a window and closes it the Windows way.
add_executable(WindowProbe tests/e2e/lib/WindowProbe.cpp)

# wine-run boots the prefix on first use; the session's end stops the prefix's server, so none of
# these runs while the session starts or stops.
foreach(wineTest IN ITEMS unit requester)
    if(TEST ${wineTest})
        set_tests_properties(${wineTest} PROPERTIES
            ENVIRONMENT "TINTGRAB_WINEPREFIX=${TINTGRAB_WINEPREFIX}"
            RESOURCE_LOCK wineServer)
    endif()
endforeach()

add_test(NAME e2e.session.start
         COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/lib/session.sh start
                 ${TINTGRAB_E2E_DIR} ${TINTGRAB_WINEPREFIX} $<TARGET_FILE:WindowProbe>)
add_test(NAME e2e.session.stop
         COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/lib/session.sh stop ${TINTGRAB_E2E_DIR})
set_tests_properties(e2e.session.start PROPERTIES
    FIXTURES_SETUP E2eSession RESOURCE_LOCK wineServer TIMEOUT 180)
set_tests_properties(e2e.session.stop PROPERTIES
    FIXTURES_CLEANUP E2eSession RESOURCE_LOCK wineServer TIMEOUT 60)

file(GLOB TINTGRAB_E2E_SCRIPTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*.sh)
foreach(script IN LISTS TINTGRAB_E2E_SCRIPTS)
    get_filename_component(scriptName ${script} NAME_WE)
    foreach(program IN ITEMS tintgrab tintgrab-alpha)
        if(program STREQUAL "tintgrab-alpha")
            set(alphaMode 1)
        else()
            set(alphaMode 0)
        endif()
        set(testName e2e.${scriptName}.${program})
        add_test(NAME ${testName} COMMAND bash ${script} $<TARGET_FILE:${program}>)
        set_tests_properties(${testName} PROPERTIES
            FIXTURES_REQUIRED E2eSession
            RESOURCE_LOCK e2eDisplay
            ENVIRONMENT "TINTGRAB_E2E_ENV=${TINTGRAB_E2E_DIR}/session.env;TINTGRAB_ALPHA_MODE=${alphaMode}"
            TIMEOUT 900)
    endforeach()
endforeach()
