# lld, where it is installed, links in a third of the time of the default linker (ld.bfd): every
# program of the normal build in 2 s instead of 6 on two cores, of the sanitizer build in 3
# instead of 9, and ./test.sh links both. -DVARN_LLD=OFF keeps the default linker.
option(VARN_LLD "Link with lld when it is installed" ON)
find_program(VARN_LLD_PATH ld.lld)
if(VARN_LLD AND VARN_LLD_PATH)
  add_link_options(-fuse-ld=lld)
endif()
