# SPDX-License-Identifier: GPL-3.0-or-later
# The sample vCard files ship in the folder Samples beside the binaries.
file(GLOB CARDISTO_SAMPLE_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/samples/*.vcf)
set(CARDISTO_SAMPLE_OUTPUTS)
foreach(sample ${CARDISTO_SAMPLE_FILES})
    get_filename_component(name ${sample} NAME)
    set(target ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/Samples/${name})
    add_custom_command(OUTPUT ${target}
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${sample} ${target}
        DEPENDS ${sample} VERBATIM)
    list(APPEND CARDISTO_SAMPLE_OUTPUTS ${target})
endforeach()
add_custom_target(cardisto_samples ALL DEPENDS ${CARDISTO_SAMPLE_OUTPUTS})
