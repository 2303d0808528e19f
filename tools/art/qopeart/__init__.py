"""Qope's artwork: every picture of the program, drawn from Debian fonts with Pillow.

One module per picture family (background, titles, buttons, icon, cursor; keymap and
rootpictures for the drills), one for fonts and text, one for the window layout read from
the button list, one writer for the Windows file formats. The drills' pictures draw their
roots through rootglyph, from the root charts and lists that catalogue reads. The speed
tests' landscapes are painted by landscapes with the tools of painting.
Everything is deterministic: the same inputs give the same bytes.

A new family is a module with a draw function; generate.py writes its pictures with
writers.write_bmp and lists them in practice.rc, and check.py covers them unchanged.
"""
