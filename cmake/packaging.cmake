# Debian packages: one for each exam program, and examtool, from one cpack run (see the README's install section).
# Each package holds its program, its manual page and, in /usr/share/doc/PACKAGE, the copyright
# file and the changelog. Included from the top-level CMakeLists.txt after the targets exist.

# The maintainer every package and the changelog name; override it when configuring, e.g.
#   cmake --preset release -DEXAM_PACKAGE_MAINTAINER="Name <name@example.org>"
set(EXAM_PACKAGE_MAINTAINER "Varnel and Dostrik authors <maintainers@weldingexams.org>"
    CACHE STRING "Maintainer of the Debian packages, as \"Name <address>\"")
if(NOT EXAM_PACKAGE_MAINTAINER MATCHES "^[^<>@]*[^<>@ ] <[^<>@ ]+@[^<>@ ]+\\.[^<>@ .]+>$")
    message(FATAL_ERROR "EXAM_PACKAGE_MAINTAINER must read \"Name <user@host.domain>\", "
                        "not \"${EXAM_PACKAGE_MAINTAINER}\"")
endif()

# examtool is installed from here so that its own folder keeps to building it.
install(TARGETS examtool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT examtool)

if(NOT CMAKE_SYSTEM_NAME STREQUAL "Linux")
    return()
endif()

# The changelog names the release: its newest entry must carry the project's version, and its
# date is the date of the manual pages.
set(changelog ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog)
configure_file(${PROJECT_SOURCE_DIR}/packaging/debian/changelog.in ${changelog} @ONLY)
find_program(DPKG_PARSECHANGELOG dpkg-parsechangelog)
if(NOT DPKG_PARSECHANGELOG)
    message(FATAL_ERROR "dpkg-parsechangelog is needed to read the changelog: run tools/install-deps")
endif()
foreach(field Version Timestamp)
    execute_process(COMMAND ${DPKG_PARSECHANGELOG} -l ${changelog} -S ${field}
                    OUTPUT_VARIABLE changelog_${field} OUTPUT_STRIP_TRAILING_WHITESPACE
                    ERROR_VARIABLE changelog_error RESULT_VARIABLE changelog_status)
    if(NOT changelog_status EQUAL 0 OR changelog_error)
        message(FATAL_ERROR "packaging/debian/changelog.in cannot be read: ${changelog_error}")
    endif()
endforeach()
if(NOT changelog_Version STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "packaging/debian/changelog.in:1: the newest entry is version "
                        "${changelog_Version}, the project is version ${PROJECT_VERSION}")
endif()
set(EXAM_RELEASE_EPOCH ${changelog_Timestamp})
set(saved_epoch "$ENV{SOURCE_DATE_EPOCH}")
set(ENV{SOURCE_DATE_EPOCH} ${EXAM_RELEASE_EPOCH})
string(TIMESTAMP EXAM_MANUAL_DATE "%B %Y" UTC)
set(ENV{SOURCE_DATE_EPOCH} "${saved_epoch}")

add_subdirectory(docs/man)

# The changelog gzipped as Debian wants it: best compression, no file name or time stamp.
set(changelog_gz ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.gz)
add_custom_command(OUTPUT ${changelog_gz}
                   COMMAND sh -c "\"$0\" -9nc \"$1\" > \"$2\"" ${GZIP} ${changelog} ${changelog_gz}
                   DEPENDS ${changelog} VERBATIM)
add_custom_target(package_changelog ALL DEPENDS ${changelog_gz})

set(packages ${EXAM_PROGRAMS} examtool)
foreach(package IN LISTS packages)
    install(FILES ${PROJECT_SOURCE_DIR}/packaging/debian/copyright ${changelog_gz}
            DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${package} COMPONENT ${package})
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME weldingexams)
set(CPACK_PACKAGE_VENDOR "Varnel and Dostrik authors")
set(CPACK_PACKAGE_CONTACT "${EXAM_PACKAGE_MAINTAINER}")
# Each package's description has its own synopsis: no summary common to all goes before it.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL ${packages})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SOURCE weldingexams)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
foreach(package IN LISTS packages)
    string(TOUPPER ${package} component)
    set(CPACK_DEBIAN_${component}_PACKAGE_NAME ${package})
endforeach()
set(CPACK_DEBIAN_EXAMTOOL_PACKAGE_SECTION utils)

# Descriptions: the synopsis, then the extended text wrapped well inside 80 columns; each exam
# program's stands in its program.cmake.
foreach(program IN LISTS EXAM_PROGRAMS)
    string(TOUPPER ${program} component)
    set(CPACK_DEBIAN_${component}_PACKAGE_DEPENDS "fonts-liberation, qt6-translations-l10n")
    exam_program_property(CPACK_DEBIAN_${component}_DESCRIPTION ${program} PACKAGE_DESCRIPTION)
endforeach()
set(CPACK_DEBIAN_EXAMTOOL_DESCRIPTION [[
question bank checker for the Varnel and Dostrik exams
examtool is the command-line companion of the welding certification
exams Varnel and Dostrik. Bank authors check a question bank file against
the bank format and see what it holds; examiners reproduce an exam's draw
from its start time, show a question as its ticket shows it, and print the
results screen of an exam for given answers.]])

include(CPack)
