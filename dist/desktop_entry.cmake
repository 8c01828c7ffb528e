# Run at install time, when the prefix is known (cmake --install --prefix may change it): writes
# the menu entry with the absolute path to the installed game, since a prefix of one's own may not
# be on the menu's PATH; the game finds its pictures from its own place. Expects CUBEFALL_BINDIR,
# CUBEFALL_DATADIR (absolute, or relative to the prefix) and CUBEFALL_DESKTOP_TEMPLATE; with
# CUBEFALL_DESKTOP_EXEC_BY_NAME the entry runs the game by its name alone, as a system package's
# entry does (/usr/games is on every user's PATH).

function(cubefall_absolute dir out)
    if(IS_ABSOLUTE "${dir}")
        set(${out} "${dir}" PARENT_SCOPE)
    else()
        set(${out} "${CMAKE_INSTALL_PREFIX}/${dir}" PARENT_SCOPE)
    endif()
endfunction()

# Escapes for a desktop entry's string values: a backslash is written twice.
function(cubefall_desktop_string text out)
    string(REPLACE "\\" "\\\\" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The program of an Exec line: quoted when it holds a character that the launcher would read as
# a separator or in a shell, with ", `, $ and \ escaped inside the quotes; % is always doubled
# because the launcher reads %f, %u... as field codes.
function(cubefall_desktop_exec program out)
    string(REPLACE "%" "%%" program "${program}")
    if(program MATCHES "[] \t\n\"'\\\\><~|&;$*?#()`[]")
        string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" program "${program}")
        set(program "\"${program}\"")
    endif()
    cubefall_desktop_string("${program}" program)
    set(${out} "${program}" PARENT_SCOPE)
endfunction()

cubefall_absolute("${CUBEFALL_BINDIR}" bindir)
cubefall_absolute("${CUBEFALL_DATADIR}" datadir)
if(CUBEFALL_DESKTOP_EXEC_BY_NAME)
    set(CUBEFALL_DESKTOP_EXEC cubefall)
else()
    cubefall_desktop_exec("${bindir}/cubefall" CUBEFALL_DESKTOP_EXEC)
endif()

set(entry "$ENV{DESTDIR}${datadir}/applications/cubefall.desktop")
message(STATUS "Installing: ${entry}")
configure_file("${CUBEFALL_DESKTOP_TEMPLATE}" "${entry}" @ONLY)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${datadir}/applications/cubefall.desktop")
