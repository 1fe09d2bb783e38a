# System DLLs that only a later user action needs (the file dialog, MP3
# conversion, sound output, size formatting) are loaded on the first call
# instead of at process start: loading the file dialog's DLL alone pulls in
# the print spooler and its network libraries. Each DLL gets a delay-import
# library made by dlltool from cmake/delayload/<dll>.def, which lists the
# functions the program calls; modules name the target tarnwick_delay_<dll>
# in place of the DLL. A function missing from the list links from the
# ordinary import library and loads its DLL at start again.
find_program(TARNWICK_DLLTOOL NAMES ${CMAKE_CXX_COMPILER_TARGET}-dlltool x86_64-w64-mingw32-dlltool
             REQUIRED)
foreach(dll comdlg32 msacm32 shlwapi winmm)
    set(def ${CMAKE_SOURCE_DIR}/cmake/delayload/${dll}.def)
    set(lib ${CMAKE_BINARY_DIR}/delayload/lib${dll}_delay.a)
    add_custom_command(OUTPUT ${lib}
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/delayload
                       COMMAND ${TARNWICK_DLLTOOL} --input-def ${def} --dllname ${dll}.dll
                               --output-delaylib ${lib}
                       DEPENDS ${def}
                       COMMENT "Making the delay-import library of ${dll}.dll")
    add_custom_target(tarnwick_delay_${dll}_lib DEPENDS ${lib})
    add_library(tarnwick_delay_${dll} STATIC IMPORTED GLOBAL)
    set_target_properties(tarnwick_delay_${dll} PROPERTIES IMPORTED_LOCATION ${lib})
    add_dependencies(tarnwick_delay_${dll} tarnwick_delay_${dll}_lib)
endforeach()
