import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

import pc1  # noqa: E402


class KnownAnswer(unittest.TestCase):
    def test_single_byte_worked_out_by_hand(self):
        # Key "plumwake" = 70 6C 75 6D 77 61 6B 65, then 8 zero bytes; Sum = Mix = Index = 0.
        # Plain byte "A" = 0x41. All arithmetic modulo 0x10000.
        #   k  key pair  w = Words[k]        Mix=0x15A*w  Sum=(Sum+k)*0x4E35+Mix+oldMix  w*0x4E35+1  Result
        #   0  706C      706C                F1F8         F1F8                          2E5D        DFA5
        #   1  756D      2E5D^756D = 5B30    3EE0         (F1F8+1)*4E35+3EE0+F1F8 = 2765  80F1        A794
        #   2  7761      80F1^7761 = F790    98A0         61D3                          20D1        4102
        #   3  6B65      20D1^6B65 = 4BB4    5148         5F36                          8445        DB73
        #   4  0000      8445                C542         798C                          684A        11C6
        #   5  0000      684A                F404         124B                          2353        3118
        #   6  0000      2353                BE2E         2AF7                          9A30        B0C7
        #   7  0000      9A30                64E0         6DA4                          8BF1        E655
        # Round 0 in full: Mix = 346 * 28780 = 9957880 = 151*65536 + 61944 -> F1F8;
        #   Sum = 0*0x4E35 + F1F8 + 0 = F1F8; Words[0] = 28780*20021+1 = 576204381
        #   = 8792*65536 + 11869 -> 2E5D; Result = 2E5D ^ F1F8 = DFA5.
        # Round 1: Mix = 346 * 23344 = 8077024 -> 3EE0; Sum = 61945*20021 + 16096 + 61944
        #   = 1240278885 = 18925*65536 + 10085 -> 2765.
        # Mask = DFA5^A794^4102^DB73^11C6^3118^B0C7^E655 = 940C; byte mask = 94 ^ 0C = 98.
        # Cipher byte = 41 ^ 98 = D9 -> letters "a"+13, "a"+9 = "nj".
        self.assertEqual(pc1.encrypt(b"A"), "nj")
        self.assertEqual(pc1.decrypt("nj"), b"A")


class RoundTrip(unittest.TestCase):
    def test_texts_come_back_exactly(self):
        cases = [b"", b"A", b"bios=X\r\nCSName=PC", bytes(range(1, 256)) * 3,
                 b"driver_1=a[;]b" * 500]
        for plain in cases:
            letters = pc1.encrypt(plain)
            self.assertEqual(len(letters), 2 * len(plain))
            self.assertTrue(set(letters) <= set("abcdefghijklmnop"))
            self.assertEqual(pc1.decrypt(letters), plain)

    def test_long_texts_are_cut_and_zero_bytes_end_deciphering(self):
        self.assertEqual(len(pc1.encrypt(b"x" * (pc1.LIMIT + 5))), 2 * pc1.LIMIT)
        self.assertEqual(pc1.decrypt(pc1.encrypt(b"ab\0cd")), b"ab")

    def test_shared_prefix_gives_shared_letters_and_odd_letter_is_ignored(self):
        a, b = pc1.encrypt(b"same start X"), pc1.encrypt(b"same start Y")
        self.assertEqual(a[:22], b[:22])  # "same start " is 11 bytes
        self.assertNotEqual(a[22:24], b[22:24])
        self.assertEqual(pc1.decrypt(a + "c"), b"same start X")

    def test_key_matters_and_letters_outside_the_alphabet_are_refused(self):
        self.assertNotEqual(pc1.encrypt(b"text", b"otherkey"), pc1.encrypt(b"text"))
        with self.assertRaises(ValueError):
            pc1.decrypt("nj\r\n")


if __name__ == "__main__":
    unittest.main()
