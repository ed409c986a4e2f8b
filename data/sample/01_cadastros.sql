-- Empresa de amostra: cadastros. Valores CY em décimos de milésimo; alíquotas em
-- centésimos de ponto percentual (1800 = 18,00%).

-- A matriz dá ao COFINS situação tributária própria.
INSERT INTO filial (iPonteiro, iNumero, szNome, szCNPJ, szUF, byTributadaIPI, byCSTCOFINSProprio) VALUES
  (1, 1, 'Matriz São Paulo', '12345678000190', 'SP', 1, 1),
  (2, 2, 'Filial Curitiba', '12345678000270', 'PR', 0, 0),
  (3, 3, 'Filial Manaus', '12345678000351', 'AM', 1, 0);

-- Fornecedores: 2001 e 2002 com status de remetente (239 'S' ganha de 238 'S').
INSERT INTO conta (lPonteiro, szCodigo, szDescricao, byGerencial, cRemetente2, cRemetente1, cClassificacao) VALUES
  (2001, '2.1.01.001', 'Metalúrgica Ipiranga Ltda', 0, 'S', 'S', 'N'),
  (2002, '2.1.01.002', 'Distribuidora Sertaneja S.A.', 0, 'S', 'N', 'N'),
  (2003, '2.1.02.001', 'Hanseatic Export GmbH', 0, 'N', 'N', 'N'),
  (2004, '2.1.03.001', 'Consultoria Araucária Ltda', 0, 'N', 'N', 'N'),
  (2005, '2.1.03.002', 'Ana Paula Moreira', 0, 'N', 'N', 'N'),
  (3001, '2.1.04.001', 'Transportes Rio Branco Ltda', 0, 'N', 'N', 'N'),
  (4001, '1.1.05.001', 'Estoque de mercadorias', 0, 'N', 'N', 'S'),
  (5001, '3.1.01.001', 'Material de consumo', 0, 'N', 'N', 'S'),
  (5002, '3.1.01.002', 'Manutenção de máquinas', 0, 'N', 'N', 's'),
  (5003, '3.1.02.001', 'Serviços de terceiros', 0, 'N', 'N', 'N'),
  (6001, 'G.01', 'Produção', 1, 'N', 'N', 'N'),
  (6002, 'G.02', 'Administrativo', 1, 'N', 'N', 'N');

INSERT INTO cfrt VALUES
  (2001, 'Metalúrgica Ipiranga Ltda', '61234567000155', 'J', 3, '', '0'),
  (2002, 'Distribuidora Sertaneja S.A.', '04321987000122', 'J', 1, '', '3'),
  (2003, 'Hanseatic Export GmbH', '', 'J', 2, '', '0'),
  (2004, 'Consultoria Araucária Ltda', '77888999000101', 'J', 1, '4455667', '0'),
  (2005, 'Ana Paula Moreira', '12345678909', 'F', 1, '', '0'),
  (3001, 'Transportes Rio Branco Ltda', '33444555000166', 'J', 0, '', '0');

INSERT INTO documento VALUES
  (1, 'NFE', 'Nota fiscal eletrônica', 1),
  (2, 'NFS', 'Nota fiscal de serviço', 1),
  (3, 'REC', 'Recibo', 0);

-- CFOPs e situações de serviço. Tipo de operação 5 é devolução; 660 importação.
INSERT INTO natureza VALUES
  (1, 1102, 'Compra para comercialização', 1, 'P', 1, 0, 1, 0),
  (2, 1556, 'Compra de material para uso ou consumo', 1, 'P', 1, 1, 1, 0),
  (3, 3102, 'Compra para comercialização (importação)', 2, 'P', 1, 0, 1, 1),
  (4, 1202, 'Devolução de venda de mercadoria', 1, 'P', 1, 0, 5, 0),
  (5, 1933, 'Aquisição de serviço tributado pelo ISSQN', 1, 'S', 1, 0, 1, 0),
  (6, 1949, 'Outra entrada não especificada', 1, 'P', 0, 0, 0, 0);

INSERT INTO unidade_medida VALUES
  (1, 'UN', 'Unidade', 0),
  (2, 'KG', 'Quilograma', 2),
  (3, 'M', 'Metro', 2),
  (4, 'L', 'Litro', 2),
  (5, 'H', 'Hora de serviço', 1),
  (6, 'MG', 'Miligrama', 2);

-- 10 com lote, 12 com arma de fogo, 14 com ICMS dispensado; depois a conta de
-- classificação, o local de estocagem e o tipo de entrada (1 entrada em estoque, 3
-- sem entrada em estoque).
INSERT INTO produto VALUES
  (10, 'PAR-0612', 'Parafuso sextavado 6x12 zincado', 1, 1, 0, 0, 4001, 1, 1),
  (11, 'CHP-2MM', 'Chapa de aço 2 mm', 2, 0, 0, 0, 4001, 1, 1),
  (12, 'PST-38', 'Pistola calibre .380', 1, 0, 1, 0, 4001, 2, 1),
  (13, 'ROL-6204', 'Rolamento 6204 importado', 1, 1, 0, 0, 5002, 1, 1),
  (14, 'LUB-1L', 'Lubrificante industrial 1 L', 4, 0, 0, 1, 5001, 0, 3);

INSERT INTO servico VALUES
  (40, 'CONS-TRIB', 'Consultoria tributária', 5, 5003),
  (41, 'MANUT', 'Manutenção de máquinas', 5, 5002);

INSERT INTO situacao_tributaria VALUES
  (0, '00', 'Tributada integralmente', 1, 0),
  (10, '10', 'Tributada e com cobrança do ICMS por substituição', 1, 0),
  (101, '101', 'Tributada pelo Simples Nacional com permissão de crédito', 0, 1),
  (41, '41', 'Não tributada', 1, 0);

INSERT INTO historico VALUES
  (1, 'Compra de mercadorias conforme nota', 1),
  (2, 'Devolução de mercadorias', 1),
  (3, 'Serviços de consultoria', 0);

INSERT INTO lote_estoque VALUES
  (501, 'L2018-0815', '2020-08-15', '2018-08-15', 730, 10),
  (502, 'RX-7781', '2023-01-31', '2018-02-01', 0, 13);

INSERT INTO volume_estoque VALUES
  (601, 'CX-01/03'),
  (602, 'PALETE 7');

-- Movimentos gerados pela nota comercial de posição 6144 (sequência 1, agosto de
-- 2018): llQuemGerou é a origem empacotada de tipo 5 (forma 2, número 1, mês 2048);
-- o complemento é (detalhe << 12) | item, 0 quando o movimento não diz.
INSERT INTO movimento_estoque VALUES
  (9001, 10, 1000000, 2048, 144115188075872278, 4097, 'Entrada nota 1001'),
  (9002, 11, 250000, 2048, 144115188075872278, 4098, NULL),
  (9003, 11, 50000, 2048, 144115188075872278, 8194, NULL),
  (9004, 11, 10000, 2048, 144115188075872278, 0, 'Ajuste sem complemento');

INSERT INTO cm_cfg_alerta VALUES
  (1, 4294967295, 'cotacao_web.html', '', 1, 'Cotação de preços', 'compras@empresa.com.br'),
  (2, 4294967295, 'autorizacao.html', '', 0, 'Autorização de compra', 'diretoria@empresa.com.br'),
  (3, 4294967295, '', 'Pedido acima do orçado.', 0, 'Excedente', 'controladoria@empresa.com.br');

INSERT INTO cm_modelo_email VALUES
  (1, 7, 'Cotação web', 'cotacao_web.html'),
  (2, 7, 'Cotação web - urgente', 'cotacao_urgente.html'),
  (3, 7, 'Cotação de serviços', 'cotacao_servicos.html'),
  (4, 2, 'Autorização de compra', 'autorizacao.html'),
  (5, 5, 'Situação da ordem de compra', 'situacao_oc.html');

INSERT INTO cm_mestre VALUES (1, 0, 1, 12, 2048, 0);
