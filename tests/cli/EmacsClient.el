;;; EmacsClient.el --- quillby-lookup as Emacs's ispell program  -*- lexical-binding: t -*-
;; SPDX-License-Identifier: GPL-2.0-or-later
;; SPDX-FileCopyrightText: 2026 The Quillby developers

;; Run as: QUILLBY_LOOKUP=/path/to/quillby-lookup emacs --batch -Q -l EmacsClient.el
;; flyspell marks exactly the misspelled words of a sentence, and ispell offers the word meant
;; first for each; the exit status is 0 when both hold, 1 otherwise.

(require 'ispell)
(require 'flyspell)

(setq ispell-program-name (getenv "QUILLBY_LOOKUP"))

(defun quillby-marked-words ()
  "The words flyspell marked as misspelled in the buffer, in order."
  (let (words)
    (dolist (overlay (overlays-in (point-min) (point-max)))
      (when (flyspell-overlay-p overlay)
        (push (cons (overlay-start overlay)
                    (buffer-substring-no-properties (overlay-start overlay)
                                                    (overlay-end overlay)))
              words)))
    (mapcar #'cdr (sort words (lambda (a b) (< (car a) (car b)))))))

(defun quillby-offered (word)
  "What ispell offers for WORD, as flyspell asks for it when correcting a word."
  (ispell-send-string "%\n")
  (ispell-send-string (concat "^" word "\n"))
  (while (progn
           (accept-process-output ispell-process 5)
           (not (string= "" (car ispell-filter)))))
  (setq ispell-filter (cdr ispell-filter))
  (let ((answer (and (consp ispell-filter) (ispell-parse-output (car ispell-filter)))))
    (setq ispell-filter nil)
    ;; (WORD OFFSET GUESSES NEAR-MISSES) for a word with guesses.
    (and (consp answer) (nth 2 answer))))

(let ((failures 0)
      (expected-marked '("sentense" "wierd" "recieve"))
      (expected-first '(("sentense" . "sentence") ("wierd" . "weird") ("recieve" . "receive"))))
  (with-temp-buffer
    (insert "This sentense has a wierd word, and I recieve it from Boston on Tuesday.\n")
    (text-mode)
    (flyspell-mode 1)
    (flyspell-buffer)
    (let ((marked (quillby-marked-words)))
      (message "flyspell marked: %S" marked)
      (unless (equal marked expected-marked)
        (message "FAIL: expected %S marked" expected-marked)
        (setq failures (1+ failures))))
    (dolist (pair expected-first)
      (let ((offered (quillby-offered (car pair))))
        (message "ispell offers for %s: %S" (car pair) offered)
        (unless (equal (car offered) (cdr pair))
          (message "FAIL: expected %s first" (cdr pair))
          (setq failures (1+ failures))))))
  (kill-emacs (if (= failures 0) 0 1)))
