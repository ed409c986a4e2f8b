-- Autorizações de compra, periodicidades e condições de pagamento da empresa de
-- amostra. AC-003 existe em duas filiais (a consulta pelo código não a escolhe); a
-- periodicidade de código 1 tem duas entradas.
INSERT INTO autorizacao_compra VALUES
  (4097, 'AC-001', 'Material de escritório 2024'),
  (4098, 'AC-002', 'Manutenção predial'),
  (8193, 'AC-003', 'Uniformes — filial Centro'),
  (8194, 'AC-003', 'Uniformes — filial Norte'),
  (3000000001, 'AC-100', 'Contrato anual de limpeza');

INSERT INTO periodicidade VALUES
  (1, 1, 1, 1, 'Mensal'),
  (2, 2, 0, 15, 'Quinzenal'),
  (3, 1, 1, 1, 'Mensal dia fixo'),
  (4, 4, 2, 1, 'Anual'),
  (5, 5, 0, 1, 'Diária');

INSERT INTO condicao_pagamento VALUES
  (1, 'AVISTA', 'À vista', NULL, 0, 1, 1, 1),
  (2, '30', '30 dias', NULL, 1, 1, 1, 1),
  (3, '30/60/90', '30, 60 e 90 dias', NULL, 1, 3, 1, 1),
  (4, 'ANT2023', 'Antiga (vencida)', '2023-12-31', 1, 2, 1, 1),
  (5, 'SOVENDAS', 'Só para vendas', NULL, 4, 12, 0, 1),
  (6, 'QUINZE', 'Quinzenal em 4 vezes', NULL, 2, 4, 1, 0);
