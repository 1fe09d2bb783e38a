# What a Windows user gets: the installer TarnwickSetup-<version>.exe (target
# "installer", made by NSIS's makensis) and the portable zip
# Tarnwick-<version>-portable.zip (target "portable_zip"), both in the build
# folder. The version is the project's own (project() in CMakeLists.txt); the
# executable's version resource takes it from TarnwickVersion.h.

set(tarnwick_version ${PROJECT_VERSION})
set(tarnwick_setup ${CMAKE_BINARY_DIR}/TarnwickSetup-${tarnwick_version}.exe)
set(tarnwick_zip ${CMAKE_BINARY_DIR}/Tarnwick-${tarnwick_version}-portable.zip)

configure_file(${CMAKE_SOURCE_DIR}/installer/TarnwickVersion.h.in
               ${CMAKE_BINARY_DIR}/resources/TarnwickVersion.h @ONLY)

# The version text the program shows and writes at every start lives in the
# language pack; it must say the same.
file(READ ${CMAKE_SOURCE_DIR}/resources/lang/LanguagePack.xml tarnwick_pack)
string(REGEX MATCH "<entry id=\"500010\">[ \t\r\n]*<eng>([^<]*)</eng>" tarnwick_match "${tarnwick_pack}")
if(NOT CMAKE_MATCH_1 STREQUAL tarnwick_version)
    message(FATAL_ERROR "The language pack's version text (entry 500010) is \"${CMAKE_MATCH_1}\", "
                        "the project's version ${tarnwick_version}: change them together.")
endif()

find_program(TARNWICK_MAKENSIS makensis)
# The first and last pages show the top of the program's tall picture, made
# by ImageMagick's convert; without it they show NSIS's own.
find_program(TARNWICK_CONVERT convert)
set(tarnwick_welcome "")
set(tarnwick_welcome_option "")
if(TARNWICK_CONVERT)
    set(tarnwick_welcome ${CMAKE_BINARY_DIR}/installer/welcome.bmp)
    set(tarnwick_welcome_option -DWELCOME_BITMAP=${tarnwick_welcome})
    add_custom_command(OUTPUT ${tarnwick_welcome}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/installer
        COMMAND ${TARNWICK_CONVERT} ${CMAKE_SOURCE_DIR}/resources/pictures/tall.jpg
                -resize 164x -gravity north -extent 164x314 BMP3:${tarnwick_welcome}
        DEPENDS ${CMAKE_SOURCE_DIR}/resources/pictures/tall.jpg
        VERBATIM)
endif()
if(TARNWICK_MAKENSIS)
    add_custom_command(OUTPUT ${tarnwick_setup}
        COMMAND ${TARNWICK_MAKENSIS} -V2 -NOCD
                -DVERSION=${tarnwick_version}
                -DEXE_DIR=$<TARGET_FILE_DIR:Tarnwick>
                -DICON=${CMAKE_SOURCE_DIR}/resources/icon/Tarnwick.ico
                -DOUTFILE=${tarnwick_setup} ${tarnwick_welcome_option}
                ${CMAKE_SOURCE_DIR}/installer/Tarnwick.nsi
        DEPENDS Tarnwick ${CMAKE_SOURCE_DIR}/installer/Tarnwick.nsi ${tarnwick_welcome}
                ${CMAKE_SOURCE_DIR}/resources/icon/Tarnwick.ico
                ${CMAKE_SOURCE_DIR}/resources/sound/sound.mp3
        COMMENT "Making the installer TarnwickSetup-${tarnwick_version}.exe"
        VERBATIM)
    add_custom_target(installer DEPENDS ${tarnwick_setup})
else()
    add_custom_target(installer
        COMMAND ${CMAKE_COMMAND} -E echo "makensis not found: install Debian's nsis"
        COMMAND ${CMAKE_COMMAND} -E false)
endif()

set(tarnwick_zip_dir ${CMAKE_BINARY_DIR}/portable)
configure_file(${CMAKE_SOURCE_DIR}/installer/README-portable.txt.in
               ${tarnwick_zip_dir}/README.txt @ONLY NEWLINE_STYLE CRLF)
find_program(TARNWICK_ZIP zip)
if(TARNWICK_ZIP)
    add_custom_command(OUTPUT ${tarnwick_zip}
        COMMAND ${CMAKE_COMMAND} -E rm -f ${tarnwick_zip}
        COMMAND ${TARNWICK_ZIP} -q -j -X ${tarnwick_zip}
                $<TARGET_FILE:Tarnwick> $<TARGET_FILE_DIR:Tarnwick>/sound.mp3
                ${tarnwick_zip_dir}/README.txt
        DEPENDS Tarnwick ${tarnwick_zip_dir}/README.txt
                ${CMAKE_SOURCE_DIR}/resources/sound/sound.mp3
        COMMENT "Making the portable zip Tarnwick-${tarnwick_version}-portable.zip"
        VERBATIM)
    add_custom_target(portable_zip DEPENDS ${tarnwick_zip})
else()
    add_custom_target(portable_zip
        COMMAND ${CMAKE_COMMAND} -E echo "zip not found: install Debian's zip"
        COMMAND ${CMAKE_COMMAND} -E false)
endif()
