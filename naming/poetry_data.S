/* naming/data/poetry.dat (made by tools/make-poetry.py) as read-only data of the program:
   xingming_poetry_data is its first byte and xingming_poetry_size its size in bytes. The
   build passes the file's path as XINGMING_POETRY_DAT. */

    .section .rodata.xingming_poetry, "a", %progbits
    .balign 16
    .globl xingming_poetry_data
    .hidden xingming_poetry_data
    .type xingming_poetry_data, %object
xingming_poetry_data:
    .incbin XINGMING_POETRY_DAT
.Lxingming_poetry_end:
    .size xingming_poetry_data, .Lxingming_poetry_end - xingming_poetry_data

    .balign 8
    .globl xingming_poetry_size
    .hidden xingming_poetry_size
    .type xingming_poetry_size, %object
xingming_poetry_size:
    .quad .Lxingming_poetry_end - xingming_poetry_data
    .size xingming_poetry_size, 8

/* No executable stack. */
    .section .note.GNU-stack, "", %progbits
