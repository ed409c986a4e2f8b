-- Empresa de amostra: os históricos desativados nos lançamentos do número 1 (a
-- devolução e o adiantamento não são usados nos lançamentos).
INSERT INTO historico_desativado VALUES
  (1, 1, 2),
  (1, 2, 5);
