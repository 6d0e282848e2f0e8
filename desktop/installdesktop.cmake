# Runs at install time, when CMAKE_INSTALL_PREFIX is the prefix chosen then.
# Links <prefix>/bin/<program> to the program in its own directory, so that it
# still finds its presets and help there, and writes the menu entry.

set(prefix "${CMAKE_INSTALL_PREFIX}")
set(destination "$ENV{DESTDIR}${prefix}")
file(MAKE_DIRECTORY "${destination}/bin")
foreach(program IN LISTS VELUMBRA_LINKED_PROGRAMS)
    set(link "${destination}/bin/${program}")
    file(RELATIVE_PATH target "${destination}/bin" "${destination}/${VELUMBRA_INSTALL_DIR}/${program}")
    message(STATUS "Installing: ${link} -> ${target}")
    file(REMOVE "${link}")
    file(CREATE_LINK "${target}" "${link}" SYMBOLIC)
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${link}")
endforeach()

if(VELUMBRA_WITH_DESKTOP_ENTRY)
    # The command line of the menu entry: the program's path, quoted when it
    # holds a character the launcher would read otherwise.
    set(exec "${prefix}/bin/velumbra")
    if(exec MATCHES "[] \t\n\"'\\\\><~|&;$*?#()`[]")
        foreach(special "\\" "\"" "`" "$")
            string(REPLACE "${special}" "\\${special}" exec "${exec}")
        endforeach()
        set(exec "\"${exec}\"")
        # The entry's own escape of a backslash comes on top.
        string(REPLACE "\\" "\\\\" exec "${exec}")
    endif()
    string(REPLACE "%" "%%" VELUMBRA_EXEC "${exec}")
    set(entry "${destination}/share/applications/velumbra.desktop")
    message(STATUS "Installing: ${entry}")
    file(READ "${VELUMBRA_DESKTOP_ENTRY}" template)
    string(CONFIGURE "${template}" text @ONLY)
    file(WRITE "${entry}" "${text}")
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${entry}")
endif()
