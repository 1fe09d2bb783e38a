# One static library per source module. Portable files sit directly in the
# module folder; files that include Windows headers sit in its win/ folder,
# and the host build's replacements for them in posix/.
# The sources of a folder for this build: its own files and those of its
# win/ or posix/ subfolder.
function(tarnwick_sources dir out)
    file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
    if(TARNWICK_WINDOWS)
        file(GLOB platform_sources CONFIGURE_DEPENDS ${dir}/win/*.cpp)
    else()
        file(GLOB platform_sources CONFIGURE_DEPENDS ${dir}/posix/*.cpp)
    endif()
    set(${out} ${sources} ${platform_sources} PARENT_SCOPE)
endfunction()

function(tarnwick_module name)
    cmake_parse_arguments(ARG "" "" "DEPS;WIN_LIBS" ${ARGN})
    tarnwick_sources(${CMAKE_SOURCE_DIR}/src/${name} sources)
    string(REPLACE "/" "_" target tarnwick_${name})
    if(NOT sources)
        add_library(${target} INTERFACE)
        target_include_directories(${target} INTERFACE ${CMAKE_SOURCE_DIR}/src)
        target_link_libraries(${target} INTERFACE ${ARG_DEPS})
        return()
    endif()
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(${target} PUBLIC ${ARG_DEPS})
    if(TARNWICK_WINDOWS AND ARG_WIN_LIBS)
        target_link_libraries(${target} PUBLIC ${ARG_WIN_LIBS})
    endif()
endfunction()

# One test executable per module and build, registered as one CTest test: under
# Wine every process start costs, so the cases of a module share one process.
function(tarnwick_tests module)
    cmake_parse_arguments(ARG "" "LABEL" "DEPS;ENVIRONMENT" ${ARGN})
    tarnwick_sources(${CMAKE_SOURCE_DIR}/tests/${module} sources)
    if(NOT sources)
        return()
    endif()
    set(target ${module}_tests)
    add_executable(${target} ${sources})
    target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    target_link_libraries(${target} PRIVATE ${ARG_DEPS} gtest gtest_main)
    # GCC 12 at -O2 reports a false overlap in std::basic_string assignments
    # from short literals (GCC bug 105329), which the tests do a lot.
    target_compile_options(${target} PRIVATE -Wno-restrict)
    if(TARNWICK_WINDOWS)
        # Test programs are console programs so their report reaches CTest.
        target_link_options(${target} PRIVATE -mconsole)
    endif()
    add_test(NAME ${target} COMMAND ${target} --gtest_brief=1)
    if(NOT ARG_LABEL)
        set(ARG_LABEL ${module})
    endif()
    set_tests_properties(${target} PROPERTIES LABELS ${ARG_LABEL} TIMEOUT 300)
    if(ARG_ENVIRONMENT)
        set_tests_properties(${target} PROPERTIES ENVIRONMENT "${ARG_ENVIRONMENT}")
    endif()
endfunction()
