# tm_library(NAME [NEUTRAL src...] [WINDOWS src...] [DEPS lib...])
# One static library per source folder. NEUTRAL sources need no window and build on both
# targets; WINDOWS sources build only for the program. A library left with no sources on a
# target becomes an interface library, so dependants link the same way everywhere.
function(tm_library name)
  cmake_parse_arguments(A "" "" "NEUTRAL;WINDOWS;DEPS" ${ARGN})
  set(srcs ${A_NEUTRAL})
  if(WIN32)
    list(APPEND srcs ${A_WINDOWS})
  endif()
  if(srcs)
    add_library(${name} STATIC ${srcs})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${A_DEPS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${A_DEPS})
  endif()
endfunction()

# tm_test_program(NAME DIR DEPS...): one test program from every .cpp in DIR; one ctest
# entry per program, since each Wine start costs seconds. A program may define its own main();
# otherwise GoogleTest's is linked.
function(tm_test_program name dir)
  file(GLOB srcs CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(NOT srcs)
    return()
  endif()
  # Resource scripts beside the tests (string tables) go into the Windows program.
  if(WIN32)
    file(GLOB rcs CONFIGURE_DEPENDS ${dir}/*.rc)
    list(APPEND srcs ${rcs})
  endif()
  add_executable(${name} ${srcs})
  target_link_libraries(${name} PRIVATE ${ARGN} gtest_main gmock)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE TM_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
                                             TM_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data"
                                             TM_BUILD_DIR="${CMAKE_BINARY_DIR}")
  # NAME.form beside the tests becomes the form resource NAME of the program.
  file(GLOB forms CONFIGURE_DEPENDS ${dir}/*.form)
  foreach(form ${forms})
    get_filename_component(resource ${form} NAME_WE)
    tm_form_resource(${name} ${form} ${resource} INCLUDE_DIRS ${TM_PACKED_DIR}
                     DEPENDS default_skin_package ${TM_DEFAULT_SKIN_PACKAGE})
  endforeach()
  if(TARGET default_skin_package)
    add_dependencies(${name} default_skin_package)
  endif()
  target_compile_definitions(${name} PRIVATE TM_DEFAULT_SKIN_PACKAGE="${TM_DEFAULT_SKIN_PACKAGE}")
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  set_tests_properties(${name} PROPERTIES TIMEOUT 600)
endfunction()

# Native tools that the build itself runs (the form packer; the skin packer).
#   tm_host_tool(NAME SOURCES src... [DEPS lib...])   defines one (in tools/CMakeLists.txt);
#   tm_host_tool_path(NAME PATH_VAR DEPENDS_VAR)        gives what a custom command puts in
#                                                       COMMAND and DEPENDS to run it.
# The native configuration builds the tools as ordinary executables. The Windows
# configuration cannot run what its compiler makes, so it builds this same tree natively
# (without sanitizers) in <build>/host-tools through an ExternalProject, set up by
# tm_finish_host_tools() at the end of the top-level CMakeLists.txt, and runs them from
# <build>/host-tools/host-bin. The fuzz configuration builds no tools.
set(TM_HOST_TOOLS_DIR ${CMAKE_BINARY_DIR}/host-tools)

function(tm_host_tool name)
  cmake_parse_arguments(A "" "" "SOURCES;DEPS" ${ARGN})
  if(TM_FUZZ)
    return()
  endif()
  set_property(GLOBAL APPEND PROPERTY TM_HOST_TOOL_NAMES ${name})
  if(NOT WIN32)
    add_executable(${name} ${A_SOURCES})
    target_link_libraries(${name} PRIVATE ${A_DEPS})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/host-bin)
  endif()
endfunction()

function(tm_host_tool_path name path_var depends_var)
  if(WIN32)
    set(path ${TM_HOST_TOOLS_DIR}/host-bin/${name})
    set(${path_var} ${path} PARENT_SCOPE)
    set(${depends_var} host_tools ${path} PARENT_SCOPE)
  else()
    set(${path_var} $<TARGET_FILE:${name}> PARENT_SCOPE)
    set(${depends_var} ${name} PARENT_SCOPE)
  endif()
endfunction()

function(tm_finish_host_tools)
  get_property(names GLOBAL PROPERTY TM_HOST_TOOL_NAMES)
  if(NOT WIN32 OR NOT names)
    return()
  endif()
  list(TRANSFORM names PREPEND ${TM_HOST_TOOLS_DIR}/host-bin/ OUTPUT_VARIABLE tools)
  include(ExternalProject)
  ExternalProject_Add(host_tools
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${TM_HOST_TOOLS_DIR}
    PREFIX ${CMAKE_BINARY_DIR}/host-tools-steps
    CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release -DCMAKE_C_COMPILER=gcc -DCMAKE_CXX_COMPILER=g++
               -DTM_SANITIZE=OFF
    BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --parallel 2 --target ${names}
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${tools})
endfunction()

# The default skin as the program stores it: the build packs assets/skins/default with the
# skinpack tool into <build>/packed/default-skin.bin (target default_skin_package). Forms take it
# with @include "default-skin.bin" and INCLUDE_DIRS ${TM_PACKED_DIR}.
set(TM_PACKED_DIR ${CMAKE_BINARY_DIR}/packed)
set(TM_DEFAULT_SKIN_PACKAGE ${TM_PACKED_DIR}/default-skin.bin)

function(tm_default_skin_package)
  if(TM_FUZZ)
    return()
  endif()
  set(folder ${PROJECT_SOURCE_DIR}/assets/skins/default)
  file(GLOB skin_files CONFIGURE_DEPENDS ${folder}/*)
  tm_host_tool_path(skinpack skinpack_path skinpack_depends)
  add_custom_command(OUTPUT ${TM_DEFAULT_SKIN_PACKAGE}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${TM_PACKED_DIR}
    COMMAND ${skinpack_path} ${folder}/skin.ini ${TM_DEFAULT_SKIN_PACKAGE}
    DEPENDS ${skin_files} ${skinpack_depends}
    COMMENT "Packing the default skin")
  add_custom_target(default_skin_package ALL DEPENDS ${TM_DEFAULT_SKIN_PACKAGE})
endfunction()

# The main window's form resource, for the program and for the tests and benchmarks that make
# the real window.
function(tm_main_form_resource target)
  tm_form_resource(${target} ${PROJECT_SOURCE_DIR}/app/FormMorvane.form TFormMorvane
                   INCLUDE_DIRS ${TM_PACKED_DIR} DEPENDS default_skin_package ${TM_DEFAULT_SKIN_PACKAGE})
endfunction()

# tm_form_resource(TARGET FORM NAME [INCLUDE_DIRS dir...] [DEPENDS file-or-target...])
# Packs the form source FORM (UTF-8, see framework/core/FormReader.h) into GBK text and adds
# it to the Windows program TARGET as the RCDATA resource NAME, which ReadComponentRes reads.
# @include paths are looked up next to FORM, then in INCLUDE_DIRS; DEPENDS names what makes
# included files that are built. Nothing happens in the native configurations.
function(tm_form_resource target form name)
  if(NOT WIN32)
    return()
  endif()
  cmake_parse_arguments(A "" "" "INCLUDE_DIRS;DEPENDS" ${ARGN})
  get_filename_component(form ${form} ABSOLUTE)
  # Per target: programs of one folder may carry the same form packed differently.
  set(text ${CMAKE_CURRENT_BINARY_DIR}/forms/${target}/${name}.txt)
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/forms/${target}/${name}.rc)
  tm_host_tool_path(formpack formpack formpack_depends)
  set(search)
  foreach(dir ${A_INCLUDE_DIRS})
    list(APPEND search -I ${dir})
  endforeach()
  add_custom_command(OUTPUT ${text}
    COMMAND ${formpack} ${form} ${text} ${search} --depfile ${text}.d
    DEPENDS ${form} ${formpack_depends} ${A_DEPENDS}
    DEPFILE ${text}.d
    COMMENT "Packing the form resource ${name}")
  file(GENERATE OUTPUT ${rc} CONTENT "${name} RCDATA \"${text}\"\n")
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${text})
  target_sources(${target} PRIVATE ${rc})
endfunction()
