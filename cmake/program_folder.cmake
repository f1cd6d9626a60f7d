# The files that lie beside the program, in one list for everything that
# names them: the program's own code (a generated header), both backends'
# build folders, the install rules, the Windows release and the manual page.
# The two butterfly pointer frames are read on every wing beat, the first
# while the phase is 0; the readme is what the first-run message points to.
set(VCLOCK_BUTTERFLY_FILES
  ${PROJECT_SOURCE_DIR}/assets/pictures/buttfly01.ico
  ${PROJECT_SOURCE_DIR}/assets/pictures/buttfly00.ico)
set(VCLOCK_README_FILE ${PROJECT_SOURCE_DIR}/assets/Readme.txt)
set(VCLOCK_PROGRAM_FOLDER_FILES ${VCLOCK_BUTTERFLY_FILES} ${VCLOCK_README_FILE})

list(GET VCLOCK_BUTTERFLY_FILES 0 wings_file)
get_filename_component(VCLOCK_WINGS_FILE_0 ${wings_file} NAME)
list(GET VCLOCK_BUTTERFLY_FILES 1 wings_file)
get_filename_component(VCLOCK_WINGS_FILE_1 ${wings_file} NAME)
get_filename_component(VCLOCK_README_NAME ${VCLOCK_README_FILE} NAME)

# The names for the program's code.
set(VCLOCK_GENERATED_DIR ${PROJECT_BINARY_DIR}/generated)
configure_file(${PROJECT_SOURCE_DIR}/app/files/program_folder.h.in
               ${VCLOCK_GENERATED_DIR}/app/files/program_folder.h @ONLY)

# vclock_copy_program_folder_files(): puts the files into the current build
# folder, where the backend's program is built, so that the built program
# finds them beside itself as an installed one does.
function(vclock_copy_program_folder_files)
  foreach(file IN LISTS VCLOCK_PROGRAM_FOLDER_FILES)
    get_filename_component(name ${file} NAME)
    configure_file(${file} ${CMAKE_CURRENT_BINARY_DIR}/${name} COPYONLY)
  endforeach()
endfunction()
