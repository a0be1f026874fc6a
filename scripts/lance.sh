#!/bin/sh
# Starts the program on the bundled example.
exec "$1" examples/miroir-200-f6.bdc
