# Run by CPack once it has packed (CPACK_POST_BUILD_SCRIPTS): makes the tarball
# again from the same staged files, with GNU tar, in the order of their names.
# CPack adds them in the order that the file system lists a folder, which
# differs from one file system to another (ext4 hashes names with a seed of its
# own), so that the same sources would give another tarball elsewhere. Owners,
# times and the permissions of group and others are fixed too, as in the
# Debian packages.
if(NOT CPACK_GENERATOR STREQUAL "TGZ")
    return()
endif()
execute_process(COMMAND tar --sort=name --format=gnu --owner=root:0 --group=root:0 --mode=go=u-w
                            --mtime=@$ENV{SOURCE_DATE_EPOCH} -C ${CPACK_TOPLEVEL_DIRECTORY} -cf - ${CPACK_PACKAGE_FILE_NAME}
                COMMAND gzip -9n OUTPUT_FILE ${CPACK_PACKAGE_FILES} COMMAND_ERROR_IS_FATAL ANY)
