-- Log de transações da empresa de amostra: a ordem de compra 123 (origem 19, chave
-- 2015308) com três operações de dois usuários e o registro de entradas 45 (origem
-- 18, chave 737352) com uma. A solicitação de compra 7 não tem log.
INSERT INTO log_transacao VALUES
  (1, 2015308, 0, 8, 1, '2024-03-04 09:15:00', 'Inclusão', 'Ordem de compra incluída'),
  (2, 2015308, 0, 8, 2, '2024-03-05 14:02:10', 'Alteração', 'Quantidade do item 1 de 10 para 12'),
  (3, 737352, 0, 15, 1, '2024-03-06 08:00:00', 'Inclusão', 'Registro de entrada incluído'),
  (4, 2015308, 0, 8, 1, '2024-03-07 17:45:30', 'Liberação', 'Liberada acima do orçado');
