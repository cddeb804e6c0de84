"""PC1 stream cipher with a 128-bit key, as the main edition enciphers its payload fields.

Each plain byte becomes two letters "a".."p" (high nibble first). The key is stirred with every
plain byte, so a text deciphers only from its first letter on.
"""

KEY = b"plumwake"
LIMIT = 300000  # the client enciphers at most this many bytes of a text

_MASK16 = 0xFFFF


class PC1:
    def __init__(self, key: bytes):
        self.key16 = bytearray(16)
        self.key16[: min(16, len(key))] = key[:16]
        self.words = [0] * 8
        self.sum = 0
        self.mix = 0
        self.index = 0
        self.result = 0

    def _round(self):
        i = self.index
        w = self.words[i]
        old_mix = self.mix
        self.mix = (0x015A * w) & _MASK16
        self.sum = ((self.sum + i) * 0x4E35 + self.mix + old_mix) & _MASK16
        self.words[i] = (w * 0x4E35 + 1) & _MASK16
        self.result = self.words[i] ^ self.sum
        self.index = i + 1

    def _byte_mask(self) -> int:
        k = self.key16
        self.words[0] = k[0] * 256 + k[1]
        self._round()
        mask = self.result
        for n in range(1, 8):
            self.words[n] = self.words[n - 1] ^ (k[2 * n] * 256 + k[2 * n + 1])
            self._round()
            mask ^= self.result
        self.index = 0
        return (mask >> 8) ^ (mask & 0xFF)

    def _stir(self, plain_byte: int):
        for n in range(16):
            self.key16[n] ^= plain_byte

    def encrypt_byte(self, c: int) -> int:
        mask = self._byte_mask()
        self._stir(c)
        return c ^ mask

    def decrypt_byte(self, d: int) -> int:
        c = d ^ self._byte_mask()
        self._stir(c)
        return c


def encrypt(plain: bytes, key: bytes = KEY) -> str:
    """Cipher letters of the plain bytes (at most the first LIMIT of them)."""
    cipher = PC1(key)
    letters = []
    for c in plain[:LIMIT]:
        e = cipher.encrypt_byte(c)
        letters.append(chr(ord("a") + (e >> 4)) + chr(ord("a") + (e & 15)))
    return "".join(letters)


def decrypt(letters: str, key: bytes = KEY) -> bytes:
    """Plain bytes of the cipher letters, up to the first zero byte.

    An odd last letter is ignored. Raises ValueError on a letter outside "a".."p", since such a
    text was never produced by the cipher.
    """
    cipher = PC1(key)
    out = bytearray()
    for n in range(0, len(letters) - 1, 2):
        h, l = ord(letters[n]) - 97, ord(letters[n + 1]) - 97
        if not (0 <= h < 16 and 0 <= l < 16):
            raise ValueError("not a cipher letter at position %d" % n)
        c = cipher.decrypt_byte((h << 4) | l)
        if c == 0:
            break
        out.append(c)
    return bytes(out)
