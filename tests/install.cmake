# Installs the build into a temporary DESTDIR under /usr, as the package
# does, and runs the installed programs from there: they must find their
# program directory (message files, templates, plug-ins) from where they lie.
# The manual page must name every command that the program's help lists.
# Arguments: -DBUILD_DIR= -DWORK_DIR=
cmake_minimum_required(VERSION 3.25)

function(fail message)
  message(FATAL_ERROR "${message}")
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})
set(root ${WORK_DIR}/root)
set(ENV{DESTDIR} ${root})
set(ENV{HOME} ${WORK_DIR}/home)
set(ENV{XDG_CONFIG_HOME} ${WORK_DIR}/home/.config)
set(ENV{LC_ALL} C)
unset(ENV{PREFIG_LOG})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
                RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  fail("cmake --install failed: ${errors}")
endif()
unset(ENV{DESTDIR})

set(program_dir ${root}/usr/lib/prefig)
foreach(file
    usr/lib/prefig/prefig usr/lib/prefig/prefig-host usr/lib/prefig/libprefig_core.so
    usr/lib/prefig/Dll/Prefig.so usr/lib/prefig/Dll/Localization.so usr/lib/prefig/Dll/FileDirSelector.so
    usr/lib/prefig/Protocols/SampleProtocol.so usr/lib/prefig/msg/msg_en-US.bin usr/lib/prefig/msg/msg_de-DE.bin
    usr/lib/prefig/msg/msg_de-DE.xmlz usr/lib/prefig/Templates/5Axis.cfg "usr/lib/prefig/Templates/ISO Mill.TYP"
    usr/lib/prefig/ConfigPaths.cfg usr/share/applications/prefig-host.desktop usr/share/mime/packages/prefig.xml
    usr/share/icons/hicolor/scalable/apps/prefig-host.svg usr/share/man/man1/prefig.1)
  if(NOT EXISTS "${root}/${file}")
    fail("not installed: ${file}")
  endif()
endforeach()
foreach(program prefig prefig-host)
  if(NOT IS_SYMLINK ${root}/usr/bin/${program})
    fail("usr/bin/${program} is not a link into the program directory")
  endif()
  file(READ_SYMLINK ${root}/usr/bin/${program} target)
  if(NOT target STREQUAL "../lib/prefig/${program}")
    fail("usr/bin/${program} points to ${target}")
  endif()
endforeach()

set(prefig ${root}/usr/bin/prefig)
execute_process(COMMAND ${prefig} version OUTPUT_VARIABLE version RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR NOT version STREQUAL "80402\n")
  fail("installed prefig version: '${version}' (exit ${result})")
endif()

# init needs the message files and the templates of the program directory.
execute_process(COMMAND ${prefig} init --root ${WORK_DIR}/config
                OUTPUT_VARIABLE types ERROR_VARIABLE errors RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR NOT types MATCHES "\tISO Milling\t")
  fail("installed prefig init: exit ${result}\n${types}${errors}")
endif()
execute_process(COMMAND ${prefig} msg languages ${program_dir} OUTPUT_VARIABLE languages)
if(NOT languages MATCHES "de-DE\t" OR NOT languages MATCHES "en-US\t")
  fail("installed message files: ${languages}")
endif()
# Installed, the configuration lives in the user's folders, not beside the program.
execute_process(COMMAND ${prefig} paths get CFG OUTPUT_VARIABLE cfg)
if(NOT cfg MATCHES "^${WORK_DIR}/home/.config/")
  fail("installed CFG directory: ${cfg}")
endif()

# The installed host takes its screenshots on a machine without a display,
# as a fresh install over ssh is: every page, no platform named.
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})
unset(ENV{QT_QPA_PLATFORM})
execute_process(COMMAND ${root}/usr/bin/prefig-host --screenshots ${WORK_DIR}/shots
                OUTPUT_QUIET ERROR_VARIABLE errors RESULT_VARIABLE result)
file(GLOB shots ${WORK_DIR}/shots/*.png)
list(LENGTH shots shot_count)
if(NOT result EQUAL 0 OR shot_count LESS 20)
  fail("installed prefig-host --screenshots: exit ${result}, ${shot_count} pictures\n${errors}")
endif()

# Every command of the help, two levels deep, has its part in the manual page.
file(READ ${root}/usr/share/man/man1/prefig.1 manual)
string(REPLACE "\\-" "-" manual "${manual}")
function(help_commands out)
  execute_process(COMMAND ${prefig} ${ARGN} --help OUTPUT_VARIABLE help)
  string(REGEX MATCH "[Ss][Uu][Bb][Cc][Oo][Mm][Mm][Aa][Nn][Dd][Ss]:\n.*" list "${help}")
  string(REGEX MATCHALL "\n  [a-z0-9-]+" names "${list}")
  list(TRANSFORM names STRIP)
  set(${out} ${names} PARENT_SCOPE)
endfunction()
help_commands(groups)
list(LENGTH groups count)
if(count LESS 10)
  fail("too few commands in prefig --help: ${groups}")
endif()
foreach(group ${groups})
  if(group STREQUAL "manual")
    continue()
  endif()
  if(NOT manual MATCHES "\\.SS \"prefig ${group}\"")
    fail("the manual page lacks prefig ${group}")
  endif()
  help_commands(commands ${group})
  foreach(command ${commands})
    if(NOT manual MATCHES "\\.SS \"prefig ${group} ${command}\"")
      fail("the manual page lacks prefig ${group} ${command}")
    endif()
  endforeach()
endforeach()
file(REMOVE_RECURSE ${WORK_DIR})
