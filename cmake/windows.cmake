# The Windows program, its stand-in application and their tests under Wine.
enable_language(RC)

# Code of the updater itself: small and exception-free, the runtime linked statically.
set(ZARVO_PROGRAM_FLAGS -fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables
    -ffunction-sections -fdata-sections)
target_compile_options(zarvo_pure PRIVATE ${ZARVO_PROGRAM_FLAGS})

add_library(zarvo_toolkit STATIC
  toolkit/application.cpp
  toolkit/button.cpp
  toolkit/control.cpp
  toolkit/form.cpp
  toolkit/gradient_panel.cpp
  toolkit/graphics.cpp
  toolkit/image.cpp
  toolkit/label.cpp
  toolkit/panel.cpp
)
target_compile_definitions(zarvo_toolkit PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX)
target_compile_options(zarvo_toolkit PRIVATE ${ZARVO_PROGRAM_FLAGS})
target_link_libraries(zarvo_toolkit PUBLIC zarvo_pure user32 gdi32 comctl32)

# The file, settings-file, resource and process operations over Win32.
add_library(zarvo_platform STATIC
  platform/beep.cpp
  platform/clock.cpp
  platform/files.cpp
  platform/resources.cpp
  platform/settings.cpp
  platform/system.cpp
  platform/system_message.cpp
)
target_compile_definitions(zarvo_platform PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX)
target_compile_options(zarvo_platform PRIVATE ${ZARVO_PROGRAM_FLAGS})
target_link_libraries(zarvo_platform PUBLIC zarvo_pure user32)

# The message dialog. It calls Beep(), which the program takes from
# zarvo_platform and the dialog's tests from a recording stand-in.
add_library(zarvo_dialog STATIC
  dialog/EroriU.cpp
)
target_compile_options(zarvo_dialog PRIVATE ${ZARVO_PROGRAM_FLAGS})
target_link_libraries(zarvo_dialog PUBLIC zarvo_toolkit)

add_library(zarvo_updater_code STATIC
  app/Unit1.cpp
  app/extract_payload.cpp
  app/install_lookup.cpp
  app/update_procedure.cpp
)
target_compile_options(zarvo_updater_code PRIVATE ${ZARVO_PROGRAM_FLAGS})
# Libraries in the order they call one another: the dialog takes Beep from the platform.
target_link_libraries(zarvo_updater_code PUBLIC zarvo_dialog zarvo_toolkit zarvo_platform)

add_subdirectory(demo)

# Link options of every executable that carries the payload. Sections aligned
# to pages in the file let Wine map the executable instead of reading all of it
# at every start.
set(ZARVO_PAGE_ALIGNMENT -Wl,--file-alignment=4096)
set(ZARVO_UPDATER_LINK_OPTIONS -s -Wl,--gc-sections ${ZARVO_PAGE_ALIGNMENT})

set(ZARVO_PAYLOAD "${CMAKE_BINARY_DIR}/demo/1.0011/Zarvo2025.exe" CACHE FILEPATH
    "The application executable that the updater carries and installs")

# zarvo_add_updater(<target> <output folder> <payload file> [<target that builds the payload>])
# An updater executable "ZarvoUpdate.exe" carrying <payload file>.
function(zarvo_add_updater target folder payload)
  set(ZARVO_RESOURCES "${CMAKE_SOURCE_DIR}/resources")
  set(ZARVO_PAYLOAD_FILE "${payload}")
  set(rc "${CMAKE_CURRENT_BINARY_DIR}/${target}.rc")
  configure_file("${CMAKE_SOURCE_DIR}/resources/updater.rc.in" "${rc}" @ONLY)
  add_executable(${target} WIN32 "${CMAKE_SOURCE_DIR}/app/ZarvoUpdate.cpp" "${rc}")
  # windres does not track the files that the .rc includes.
  file(GLOB pictures "${ZARVO_RESOURCES}/*.ico" "${ZARVO_RESOURCES}/*.bmp" "${ZARVO_RESOURCES}/*.manifest")
  set_source_files_properties("${rc}" PROPERTIES OBJECT_DEPENDS "${payload};${pictures}")
  if(ARGC GREATER 3)
    add_dependencies(${target} ${ARGV3})
  endif()
  target_compile_options(${target} PRIVATE ${ZARVO_PROGRAM_FLAGS})
  target_link_libraries(${target} PRIVATE zarvo_updater_code)
  # The link map tells what the executable's bytes go to.
  target_link_options(${target} PRIVATE ${ZARVO_UPDATER_LINK_OPTIONS} "-Wl,-Map=${folder}/ZarvoUpdate.map")
  set_target_properties(${target} PROPERTIES OUTPUT_NAME ZarvoUpdate RUNTIME_OUTPUT_DIRECTORY "${folder}")
endfunction()

if(ZARVO_PAYLOAD STREQUAL "${CMAKE_BINARY_DIR}/demo/1.0011/Zarvo2025.exe")
  zarvo_add_updater(ZarvoUpdate "${CMAKE_BINARY_DIR}" "${ZARVO_PAYLOAD}" zarvo_demo_1_0011)
else()
  zarvo_add_updater(ZarvoUpdate "${CMAKE_BINARY_DIR}" "${ZARVO_PAYLOAD}")
endif()

option(ZARVO_BENCH "Build the benchmarks that scripts/bench runs" OFF)
if(ZARVO_TESTS)
  add_subdirectory(tests/wine)
endif()
if(ZARVO_BENCH)
  add_subdirectory(bench)
endif()
