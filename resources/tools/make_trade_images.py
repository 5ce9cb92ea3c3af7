#!/usr/bin/env python3
"""Draws screen 1000's automatic-trading bitmaps into resources/Images/Trade/: the start/stop
button (start in green while stopped, stop in red while running) and the state lamp.

Run from anywhere: python3 resources/tools/make_trade_images.py
The output is committed; run again after changing a colour. Standard library only.
"""
import os

from make_images import write_bmp24, mix

HERE = os.path.dirname(os.path.abspath(__file__))
TRADE = os.path.join(HERE, "..", "Images", "Trade")

BUTTON_W, BUTTON_H = 135, 24
# (ground, border) per look.
START = {"n": ((46, 150, 88), (30, 110, 62)), "o": ((64, 176, 108), (30, 110, 62)),
         "p": ((30, 118, 66), (20, 84, 46))}
# The stop button's pressed look is the shared pressed button image 533 of the frame's images.
STOP = {"n": ((200, 52, 52), (150, 30, 30)), "o": ((224, 76, 76), (150, 30, 30))}
PANEL = (235, 238, 243)  # the panel's ground under the lamp
LAMP_SIZE = 24
LAMP_ON = (40, 200, 90)
LAMP_OFF = (150, 156, 170)


def push(path, look):
    ground, border = look

    def pixel(x, y):
        if x in (0, BUTTON_W - 1) or y in (0, BUTTON_H - 1):
            return border
        return mix(ground, (255, 255, 255), 0.18 * (1 - y / BUTTON_H))

    write_bmp24(path, BUTTON_W, BUTTON_H, pixel)


def lamp(path, colour):
    centre = (LAMP_SIZE - 1) / 2.0
    radius = LAMP_SIZE / 2.0 - 3

    def pixel(x, y):
        d = ((x - centre) ** 2 + (y - centre) ** 2) ** 0.5
        if d <= radius:
            return mix(colour, (255, 255, 255), max(0.0, 0.35 - d / radius * 0.35))
        if d <= radius + 1:
            return mix(colour, PANEL, 0.5)
        return PANEL

    write_bmp24(path, LAMP_SIZE, LAMP_SIZE, pixel)


def main():
    os.makedirs(TRADE, exist_ok=True)
    for key, look in START.items():
        push(os.path.join(TRADE, "auto_start_%s.bmp" % key), look)
    for key, look in STOP.items():
        push(os.path.join(TRADE, "auto_stop_%s.bmp" % key), look)
    lamp(os.path.join(TRADE, "auto_lamp_on.bmp"), LAMP_ON)
    lamp(os.path.join(TRADE, "auto_lamp_off.bmp"), LAMP_OFF)


if __name__ == "__main__":
    main()
