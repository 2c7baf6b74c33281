# The icons of icons/ become byte arrays of the program (generated/EmbeddedIcons.cpp): nothing is
# read from disk at run time. CMake runs again whenever one of the files changes.
set(iconSource "// Generated from icons/*.ico by cmake/Icons.cmake.\n#include \"requester/EmbeddedIcons.hpp\"\n\nnamespace tintgrab::embedded {\n")
foreach(fileAndName IN ITEMS ok:ok cancel:cancel pick:pick ring:ring arrow-up:arrowUp arrow-down:arrowDown)
    string(REPLACE ":" ";" fileAndName ${fileAndName})
    list(GET fileAndName 0 icon)
    list(GET fileAndName 1 name)
    set(file ${CMAKE_SOURCE_DIR}/icons/${icon}.ico)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${file})
    if(NOT EXISTS ${file})
        # The program still builds and runs, without that picture: make-icons writes the files.
        message(WARNING "missing icon ${file}")
        string(APPEND iconSource "\nconst std::span<const std::uint8_t> ${name}Icon{};\n")
        continue()
    endif()
    file(READ ${file} hex HEX)
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    string(REGEX REPLACE "(([^,]*,){16})" "\\1\n    " bytes "${bytes}")
    string(APPEND iconSource "\nnamespace {\nconstexpr std::uint8_t ${name}Bytes[] = {\n    ${bytes}\n};\n}\n"
                             "const std::span<const std::uint8_t> ${name}Icon{${name}Bytes};\n")
endforeach()
string(APPEND iconSource "\n} // namespace tintgrab::embedded\n")
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/generated/EmbeddedIcons.cpp CONTENT "${iconSource}")
target_sources(tintgrab_portable PRIVATE ${CMAKE_BINARY_DIR}/generated/EmbeddedIcons.cpp)
