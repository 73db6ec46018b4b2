#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays the open Memory window as a pupil would, on the X display, and listens to what it says.

Turns the first card over with a mouse click, and a new deal ("ricomincia") until that card is a
word card: a word card must be heard on the sound server's source SOURCE (a null sink's monitor),
a picture card must stay silent. Prints how long the click took to reach the source, how long the
sound lasted, and the share of its loudest 300 ms that is a pure tone of TONE Hz (near 1 for a
tone, near 0 for speech). EXPECT tone or speech fails unless that is what was heard; silence
fails if anything was, a word card included. With WORDS, as many word cards in as many deals: the
first word of a process starts the voice, the others find it ready.

Usage: hear-memory.py SOURCE TONE {tone,speech,silence} [WORDS]
"""
import array
import math
import subprocess
import sys
import threading
import time

RATE = 44100
COVER = (0xFF, 0xFF, 0x80)  # the cards' pale yellow back
LOUD = 500  # about -36 dB: the null sink is exactly silent between sounds
WINDOW = int(0.3 * RATE)
# Where "ricomincia" is, at 1280 x 800, as the screenshots place it.
RESTART = (925, 713)


class Recording:
    """What SOURCE plays, kept with the time each sample arrived."""

    def __init__(self, source):
        self.samples = array.array("h")
        self.arrivals = []  # (index of a chunk's first sample, time it arrived)
        self.lock = threading.Lock()
        self.process = subprocess.Popen(
            ["parecord", f"--device={source}", "--raw", "--format=s16le", f"--rate={RATE}",
             "--channels=1", "--latency-msec=10"], stdout=subprocess.PIPE)
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        while True:
            chunk = self.process.stdout.read1(4096)
            if not chunk:
                return
            now = time.monotonic()
            with self.lock:
                self.arrivals.append((len(self.samples), now))
                self.samples.frombytes(chunk[: len(chunk) // 2 * 2])

    def index_at(self, moment):
        """The index of the first sample that arrived after `moment`."""
        with self.lock:
            for index, arrival in self.arrivals:
                if arrival >= moment:
                    return index
            return len(self.samples)

    def time_of(self, index):
        """When sample `index` was played, from the arrival of its chunk."""
        with self.lock:
            start, arrival = max((a for a in self.arrivals if a[0] <= index), default=(0, 0))
            following = [a for a in self.arrivals if a[0] > start]
            end = following[0][0] if following else len(self.samples)
        return arrival - (end - 1 - index) / RATE

    def first_loud(self, start):
        with self.lock:
            for index in range(start, len(self.samples)):
                if abs(self.samples[index]) > LOUD:
                    return index
        return None

    def sound(self, start):
        """The samples from `start` to the last loud one before 0.3 s of silence, or None while
        that silence has not come yet."""
        with self.lock:
            samples = self.samples[start:]
        last = None
        for index, sample in enumerate(samples):
            if abs(sample) > LOUD:
                last = index
            elif last is not None and index - last > WINDOW:
                return samples[: last + 1]
        return None

    def stop(self):
        self.process.terminate()


def wait_for(what, condition, seconds=15):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        result = condition()
        if result is not None and result is not False:
            return result
        time.sleep(0.05)
    sys.exit(f"FAIL: {what}")


def screenshot():
    data = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"],
                          capture_output=True, check=True).stdout
    # "P6", width, height, largest value, each ended by one blank, then the pixels.
    fields, end = [], 0
    while len(fields) < 4:
        start = end
        while data[start:start + 1].isspace():
            start += 1
        end = start
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[start:end])
    width = int(fields[1])
    pixels = data[end + 1:]
    return lambda x, y: tuple(pixels[(y * width + x) * 3:(y * width + x) * 3 + 3])


def first_card():
    """The box of the card at the top left, found from its back: the first card turned."""
    pixel = screenshot()
    for y in range(40, 400, 2):
        for x in range(0, 640, 2):
            if pixel(x, y) == COVER:
                right = x
                while pixel(right + 1, y) == COVER:
                    right += 1
                bottom = y
                while pixel(x, bottom + 1) == COVER:
                    bottom += 1
                return x, y, right, bottom
    return None


def face_down(card):
    x0, y0, x1, y1 = card
    return screenshot()((x0 + x1) // 2, (y0 + y1) // 2) == COVER


def turned_face(card):
    """"word" or "picture" once the card's back is gone, None while it shows."""
    x0, y0, x1, y1 = card
    pixel = screenshot()
    points = [pixel(x, y) for x in range(x0 + 6, x1 - 6, 4) for y in range(y0 + 6, y1 - 6, 4)]
    if sum(p == COVER for p in points) > len(points) // 2:
        return None
    white = sum(min(p) >= 250 for p in points)
    return "word" if white > len(points) * 6 // 10 else "picture"


def click(x, y):
    """When the click was asked for: what comes after it includes xdotool's own start."""
    asked = time.monotonic()
    subprocess.run(["xdotool", "mousemove", str(x), str(y), "click", "1"], check=True)
    return asked


def tone_share(samples, frequency):
    """Of the loudest 300 ms, the share of the energy at `frequency` (Goertzel)."""
    if len(samples) < WINDOW:
        return 0.0
    energies = [0]
    for sample in samples:
        energies.append(energies[-1] + sample * sample)
    start = max(range(0, len(samples) - WINDOW + 1, 100),
                key=lambda i: energies[i + WINDOW] - energies[i])
    window = samples[start:start + WINDOW]
    coefficient = 2 * math.cos(2 * math.pi * frequency / RATE)
    previous = before = 0.0
    for sample in window:
        previous, before = sample + coefficient * previous - before, previous
    power = previous * previous + before * before - coefficient * previous * before
    total = energies[start + WINDOW] - energies[start]
    return 2 * power / (WINDOW * total) if total else 0.0


def turn_a_word_card(recording, card):
    """Deals until the first card turned is a word card; when it was clicked, and the index of
    the first sample that came after."""
    centre = ((card[0] + card[2]) // 2, (card[1] + card[3]) // 2)
    for _ in range(16):
        wait_for("the first card is not face down", lambda: face_down(card))
        clicked = click(*centre)
        start = recording.index_at(clicked)
        if wait_for("the first card did not turn over", lambda: turned_face(card)) == "word":
            return clicked, start
        # A picture says nothing: the pupil names it.
        if recording.first_loud(start) is not None:
            sys.exit("FAIL: a picture card was heard")
        click(*RESTART)
    sys.exit("FAIL: sixteen deals without a word card first")


def main():
    source, frequency, expect = sys.argv[1], float(sys.argv[2]), sys.argv[3]
    words = int(sys.argv[4]) if len(sys.argv) > 4 else 1
    recording = Recording(source)
    try:
        wait_for("nothing comes from " + source, lambda: len(recording.arrivals) > 0)
        card = wait_for("no card of the Memory window on the screen", first_card)
        for word in range(1, words + 1):
            if word > 1:
                click(*RESTART)
            clicked, start = turn_a_word_card(recording, card)
            if expect == "silence":
                time.sleep(2)  # as long as a word takes: nothing may come in that time
                if recording.first_loud(start) is not None:
                    sys.exit("FAIL: a word was heard where there is no audio output")
                print(f"word {word}: nothing heard")
                continue
            first = wait_for("the word card's word was not heard",
                             lambda: recording.first_loud(start))
            sound = wait_for("the word did not end", lambda: recording.sound(first))
            latency = (recording.time_of(first) - clicked) * 1000
            share = tone_share(sound, frequency)
            print(f"word {word}: click -> first sound {latency:.0f} ms, {len(sound) / RATE:.2f} s"
                  f" long, {share:.2f} of it a {frequency:g} Hz tone")
            if expect == "tone" and share < 0.9:
                sys.exit("FAIL: that was not the recording's tone")
            if expect == "speech" and share > 0.5:
                sys.exit("FAIL: that was a tone, not speech")
    finally:
        recording.stop()


if __name__ == "__main__":
    main()
